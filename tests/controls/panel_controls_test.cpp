#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "control_events.h"
#include "controls/ctl_captions.h"
#include "controls/ctl_image_store.h"
#include "controls/ctl_tips.h"
#include "controls/ctl_title.h"
#include "controls/cursor_resources.h"
#include "controls/form_definition.h"

namespace {

FormDefinition MainForm() { return *FormDefinition::Load(QStringLiteral(":/forms/mform.json")); }

TEST(CtlTitle, AnyButtonReleaseTogglesAndReportsTheNewState) {
  CtlTitle title;
  title.resize(200, 22);
  title.show();
  QSignalSpy toggled(&title, &CtlTitle::Toggled);
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  for (Qt::MouseButton b : buttons) Click(&title, QPointF(50, 10), b);
  ASSERT_EQ(toggled.count(), 3);
  EXPECT_TRUE(toggled.at(0).at(4).toBool());
  EXPECT_FALSE(toggled.at(1).at(4).toBool());
  EXPECT_EQ(toggled.at(1).at(0).toInt(), 2);
  EXPECT_EQ(toggled.at(2).at(0).toInt(), 4);
  EXPECT_TRUE(title.isClosed());
  Click(title.CloseButon(), QPointF(5, 5));  // the close mark toggles as well
  EXPECT_FALSE(title.isClosed());
  EXPECT_EQ(toggled.count(), 4);
  EXPECT_EQ(title.CloseButon()->pos(), QPoint(200 - 16 - 2, 3));
}

TEST(CtlTitle, FontSizeRoundsHalfToEvenAndPropertiesRoundTrip) {
  CtlTitle title;
  QSignalSpy changed(&title, &CtlTitle::PropertyChanged);
  const struct {
    float size;
    int shown;
  } cases[] = {{8.25f, 8}, {8.5f, 8}, {9.5f, 10}, {10.75f, 11}};
  for (const auto& c : cases) {
    title.SetFontSize(c.size);
    EXPECT_EQ(title.FontSize(), c.shown) << c.size;
  }
  EXPECT_EQ(changed.last().at(0).toString(), QStringLiteral("FontSize"));
  const PropertyBag stored = MainForm().Control(QStringLiteral("CtlTitle2"));
  title.ReadProperties(stored);
  EXPECT_EQ(title.Title(), QStringLiteral("HUE/Saturation"));
  EXPECT_FLOAT_EQ(title.FontSizeF(), 8.25f);
  EXPECT_EQ(title.WriteProperties().ToJson(), stored.ToJson());
  PropertyBag hidden;
  hidden.WriteBool(QStringLiteral("closevisible"), false);
  title.ReadProperties(hidden);
  EXPECT_FALSE(title.CloseVisible());
  EXPECT_EQ(title.Title(), QString());
}

QImage Render(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

bool HasInk(const QImage& img, QRect area, QColor back) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (img.pixelColor(x, y) != back) return true;
  return false;
}

TEST(CtlCaptions, DisplayImageHidesTheTipPictureButTextStaysAt20) {
  const auto form = FormDefinition::Load(QStringLiteral(":/forms/frmpage.json"));
  CtlCaptions caption;
  caption.resize(300, 40);
  caption.ReadProperties(form->Control(QStringLiteral("CtlCaptions1")));
  const QColor back = caption.palette().color(caption.backgroundRole());
  const QRect picture(0, 2, 20, 20);
  const QRect text(20, 5, 280, 30);
  QImage shown = Render(caption);
  EXPECT_TRUE(HasInk(shown, picture, back));
  EXPECT_TRUE(HasInk(shown, text, back));
  caption.SetDisplayImage(true);
  QImage hidden = Render(caption);
  EXPECT_FALSE(HasInk(hidden, picture, back));
  EXPECT_TRUE(HasInk(hidden, text, back));
  EXPECT_EQ(caption.TextRect().left(), 20);

  const QByteArray picturePng = caption.WriteProperties().ReadBytes(QStringLiteral("IMG")).value();
  caption.SetTipImage(QString());  // an empty value changes nothing
  EXPECT_EQ(caption.TipImage(), QStringLiteral("CaptionTip.png"));
  EXPECT_EQ(caption.WriteProperties().ReadBytes(QStringLiteral("IMG")).value(), picturePng);

  CtlCaptions defaults;
  defaults.ReadProperties(PropertyBag());
  EXPECT_EQ(defaults.FontSize(), 10);
  EXPECT_EQ(defaults.FontName(), QStringLiteral("Verdana"));
  EXPECT_EQ(defaults.ForeColor(), 0x808080);
}

// A balloon placed over a plain widget inside a shown window, clicked through the window so
// that Qt's own routing decides who gets the click.
struct BalloonFixture {
  QWidget window;
  QWidget* below;
  CtlTips* tips;
  int belowPresses = 0;
  explicit BalloonFixture(int direction) {
    window.resize(300, 200);
    below = new QWidget(&window);
    below->setGeometry(0, 0, 300, 200);
    tips = new CtlTips(&window);
    PropertyBag bag;
    bag.WriteInt16(QStringLiteral("Direction"), direction);
    bag.WriteString(QStringLiteral("TipString"), QStringLiteral("Hello"));
    tips->ReadProperties(bag);
    tips->setGeometry(10, 10, 185, 97);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    below->installEventFilter(new PressCounter(this));
  }
  void ClickAt(QPoint inTips) {
    const QPoint p = tips->mapTo(&window, inTips);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
  }
  struct PressCounter : QObject {
    BalloonFixture* f;
    explicit PressCounter(BalloonFixture* fixture) : f(fixture) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::MouseButtonPress) ++f->belowPresses;
      return false;
    }
  };
};

TEST(CtlTips, KeyColouredSurroundsAreClickThrough) {
  BalloonFixture f(0);
  QSignalSpy close(f.tips, &CtlTips::CloseClick);
  ASSERT_EQ(f.tips->Balloon().size(), QSize(184, 92));
  EXPECT_EQ(f.tips->Balloon().pixel(1, 1), CtlTips::kKeyColor);
  EXPECT_FALSE(f.tips->IsSolidAt(QPoint(1, 1)));
  EXPECT_FALSE(f.tips->IsSolidAt(QPoint(184, 50)));  // beyond the picture
  f.ClickAt(QPoint(100, 2));                         // above the body, beside the pointer
  EXPECT_EQ(close.count(), 0);
  EXPECT_EQ(f.belowPresses, 1);
  f.ClickAt(QPoint(34, 8));  // inside the pointer
  EXPECT_EQ(close.count(), 1);
  f.ClickAt(QPoint(90, 50));  // the body
  EXPECT_EQ(close.count(), 2);
  EXPECT_EQ(f.belowPresses, 1);
  f.ClickAt(f.tips->Image1()->geometry().center());
  EXPECT_EQ(close.count(), 3);
  EXPECT_EQ(f.tips->Image1()->pos(), QPoint(168, 73));
}

TEST(CtlTips, AnyNonZeroDirectionHangsThePointerBelow) {
  BalloonFixture one(1);
  BalloonFixture two(2);
  EXPECT_EQ(one.tips->Balloon(), two.tips->Balloon());
  EXPECT_EQ(two.tips->Image1()->pos(), QPoint(168, 64));
  EXPECT_TRUE(two.tips->IsSolidAt(QPoint(34, 86)));
  EXPECT_FALSE(two.tips->IsSolidAt(QPoint(34, 2)));
  // The pointer's apex: row 3 for "TIPS", row 88 for "TIPS2", columns 34 and 35.
  BalloonFixture up(0);
  for (int x : {34, 35}) {
    EXPECT_TRUE(up.tips->IsSolidAt(QPoint(x, 3))) << x;
    EXPECT_FALSE(up.tips->IsSolidAt(QPoint(x, 2))) << x;
    EXPECT_TRUE(two.tips->IsSolidAt(QPoint(x, 88))) << x;
    EXPECT_FALSE(two.tips->IsSolidAt(QPoint(x, 89))) << x;
  }
  EXPECT_EQ(up.tips->WriteProperties().ReadInt16(QStringLiteral("Direction")), 0);
}

TEST(CtlImageStore, DrawsCellZeroWithOpacityAndStoresOnlyNonDefaults) {
  CtlImageStore store;
  store.ReadProperties(MainForm().Control(QStringLiteral("CtlImageStore1")));
  EXPECT_EQ(store.ImageWidth(), 48);
  EXPECT_EQ(store.InformationImage(), QStringLiteral("Board.png"));
  EXPECT_FALSE(store.isVisibleTo(nullptr));

  QImage target(60, 60, QImage::Format_ARGB32);
  target.fill(Qt::transparent);
  store.Drawing(&target, 5, 5, 48, 48);
  const QImage cell = store.Picture().StripImage().copy(0, 0, 48, 48);
  EXPECT_EQ(target.copy(5, 5, 48, 48), cell);
  target.fill(Qt::transparent);
  store.Drawing(&target, 5, 5, 48, 48, 0);
  QImage clear(60, 60, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  EXPECT_EQ(target, clear);

  CtlImageStore square;
  PropertyBag bag;
  bag.WriteInt32(QStringLiteral("IWIDTH"), 32);
  bag.WriteInt16(QStringLiteral("iHeight"), 32);
  square.ReadProperties(bag);
  EXPECT_EQ(square.ImageWidth(), 32);
  EXPECT_EQ(square.ImageHeight(), 32);
  const PropertyBag written = square.WriteProperties();
  EXPECT_FALSE(written.Contains(QStringLiteral("iWidth")));
  EXPECT_FALSE(written.Contains(QStringLiteral("ImageFile")));
  square.SetInformationImage(QString());
  EXPECT_EQ(square.InformationImage(), QString());
}

TEST(GlyphCursor, NamedCursorsCarryTheirHotSpots) {
  const struct {
    const char* name;
    QPoint hot;
  } cursors[] = {{"MOVE", {1, 2}}, {"LINE", {14, 15}}, {"PICK", {9, 24}}, {"ERASE", {4, 22}}};
  for (const auto& c : cursors) {
    const QCursor cursor = GlyphCursor(QLatin1String(c.name));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << c.name;
    EXPECT_EQ(cursor.hotSpot(), c.hot) << c.name;
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << c.name;
  }
  EXPECT_EQ(GlyphCursor(QStringLiteral("NONE")).shape(), Qt::ArrowCursor);
}

}  // namespace
