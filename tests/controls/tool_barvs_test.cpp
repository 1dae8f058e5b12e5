#include "controls/tool_barvs.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "control_events.h"
#include "controls/button_face.h"
#include "controls/ctl_title.h"
#include "controls/form_definition.h"

namespace {

const QColor kBack(245, 246, 247);
const int kBackOle = 245 | (246 << 8) | (247 << 16);

// A strip of solid cells, red for every cell so a picture's position is easy to find.
QByteArray SolidStrip(int cells, int size) {
  ClsToolbar strip;
  strip.GetImageSize(size, size);
  QImage cell(size, size, QImage::Format_ARGB32);
  cell.fill(QColor(255, 0, 0));
  for (int i = 0; i < cells; ++i) strip.AppendImage(cell);
  QByteArray png;
  strip.QuitSaveStream(png);
  return png;
}

struct BarFixture {
  ToolBarvs bar;
  BarFixture(const QStringList& specs, int direction, int iconSize, QSize size) {
    bar.SetBackColor(kBackOle);
    bar.SetDirection(direction);
    bar.SetButtonCounts(specs.size());
    bar.SetIcoSizeW(iconSize);
    bar.SetIcoSizeH(iconSize);
    bar.SetButtonArray(specs);
    bar.SetnImage(SolidStrip(specs.size(), iconSize));
    bar.resize(size);
    bar.RefreshGO();  // a hidden widget gets no resize event until shown
  }
  QColor At(int x, int y) const { return bar.Surface().pixelColor(x, y); }
  void Hover(QPointF pos) { SendMouse(&bar, QEvent::MouseMove, pos); }
  void ClickLabel(Qt::MouseButton button = Qt::LeftButton) {
    QWidget* label = bar.TipLabel();
    SendMouse(label, QEvent::MouseMove, QPointF(2, 3));
    Click(label, QPointF(2, 3), button);
  }
};

TEST(ToolBarvs, HorizontalFirstButtonAndSeparatorGeometry) {
  BarFixture f({"1,Y,,,A,0,-1,0", "2,1,,,,0,-1,0", "3,Y,,,C,0,-1,0"}, 0, 32, QSize(300, 44));
  const auto& rects = f.bar.ButtonRects();
  EXPECT_EQ(rects[0], QRectF(8, 2, 41, 37));
  EXPECT_EQ(rects[1], QRectF());  // separators keep an empty rectangle
  EXPECT_EQ(rects[2].x(), 74);
  // The picture of button 1 starts at x = 13 at the vertical centre (44 - 32) / 2 = 6.
  EXPECT_EQ(f.At(13, 6), QColor(255, 0, 0));
  EXPECT_EQ(f.At(44, 37), QColor(255, 0, 0));
  EXPECT_EQ(f.At(12, 6), kBack);
  EXPECT_EQ(f.At(45, 6), kBack);
  // The separator is a 1-pixel grey line at x = 67 from y = 2 to H - 4.
  EXPECT_EQ(f.At(67, 2), QColor(220, 220, 220));
  EXPECT_EQ(f.At(67, 40), QColor(220, 220, 220));
  EXPECT_EQ(f.At(66, 20), kBack);
  EXPECT_EQ(f.At(68, 20), kBack);
  f.Hover(QPointF(67, 20));
  EXPECT_EQ(f.bar.HoverIndex(), -1);
  f.Hover(QPointF(8, 2));
  EXPECT_EQ(f.bar.HoverIndex(), 0);
}

TEST(ToolBarvs, VerticalButtonsEvery26PixelsAndSeparatorAdds16) {
  BarFixture f({"1,Y,,,A,1,-1,0", "2,Y,,,B,1,-1,0", "3,1,,,,1,-1,0", "4,Y,,,D,1,-1,0"}, 1, 16,
               QSize(30, 200));
  const auto& rects = f.bar.ButtonRects();
  EXPECT_EQ(rects[0], QRectF(3, 31, 24, 24));
  EXPECT_EQ(rects[1].y(), 57);
  EXPECT_EQ(rects[3].y(), 57 + 26 + 16);
  EXPECT_TRUE(f.bar.TitleStrip()->isVisibleTo(&f.bar));
  EXPECT_EQ(f.At(10, 88), QColor(220, 220, 220));  // grid line, highlight below it
  EXPECT_NE(f.At(10, 89), kBack);
}

TEST(ToolBarvs, NineSliceFaceIsOnePixelLargerThanItsRectangle) {
  QImage skin(26, 40, QImage::Format_ARGB32);
  skin.fill(QColor(10, 20, 30));
  const struct {
    QRectF rect;
    QRect covered;
  } cases[] = {{QRectF(2, 3, 20, 10), QRect(2, 3, 21, 11)},
               {QRectF(5, 0, 7, 24), QRect(5, 0, 8, 25)},
               {QRectF(0.75, 1, 41, 37), QRect(0, 1, 42, 38)}};
  for (const auto& c : cases) {
    QImage canvas(60, 60, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    DrawNineSlice(p, skin, c.rect);
    p.end();
    QRect painted;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        if (qAlpha(canvas.pixel(x, y)) > 0) painted |= QRect(x, y, 1, 1);
    EXPECT_EQ(painted, c.covered) << c.rect.x() << "," << c.rect.width();
  }
}

TEST(ToolBarvs, ToggleButtonFlipsAndShowsPressedPictureOffset) {
  BarFixture f({"1,Y,,,A,1,-1,0"}, 0, 32, QSize(200, 44));
  EXPECT_TRUE(f.bar.GetButtonPressState(1));  // toggles start pressed
  f.bar.SetButtonPressState(1, false);
  f.bar.RefreshGO();
  EXPECT_EQ(f.At(13, 6), QColor(255, 0, 0));
  f.Hover(QPointF(20, 20));
  f.ClickLabel();
  EXPECT_TRUE(f.bar.GetButtonPressState(1));
  EXPECT_EQ(f.At(14, 7), QColor(255, 0, 0));
  EXPECT_NE(f.At(13, 6), QColor(255, 0, 0));
  // The face is the pressed skin, not the hover face of the normal one.
  auto face = [&](const QImage& skin) {
    QImage img(200, 44, QImage::Format_ARGB32);
    img.fill(kBack);
    QPainter p(&img);
    DrawNineSlice(p, skin, f.bar.ButtonRects()[0]);
    p.end();
    return img.pixelColor(11, 20);
  };
  const QColor pressed = face(f.bar.PressedSkin());
  const QColor normal = face(f.bar.NormalSkin());
  ASSERT_GT(std::abs(pressed.green() - normal.green()), 6);
  EXPECT_NEAR(f.At(11, 20).green(), pressed.green(), 2);
  f.ClickLabel();
  EXPECT_FALSE(f.bar.GetButtonPressState(1));
  EXPECT_EQ(f.At(13, 6), QColor(255, 0, 0));
}

TEST(ToolBarvs, DisabledButtonIsFadedAndSilent) {
  BarFixture f({"1,Y,,,A,0,0,0"}, 0, 32, QSize(200, 44));
  const QColor c = f.At(20, 20);
  EXPECT_NEAR(c.red(), 0.3 * 255 + 0.7 * 245, 3);
  EXPECT_NEAR(c.green(), 0.7 * 246, 3);
  QSignalSpy up(&f.bar, &ToolBarvs::MouseUp);
  QSignalSpy down(&f.bar, &ToolBarvs::MouseDown);
  f.Hover(QPointF(20, 20));
  EXPECT_EQ(f.bar.HoverIndex(), -1);
  f.ClickLabel();
  EXPECT_EQ(up.count(), 0);
  EXPECT_EQ(down.count(), 0);
  f.bar.SetButtonEnable(1, true);
  EXPECT_EQ(f.At(20, 20), QColor(255, 0, 0));
}

TEST(ToolBarvs, ClickRaisesDownUpAndClickButRightReleaseRaisesNothing) {
  BarFixture f({"1,Y,,,A,0,-1,0", "2,Y,,,B tip,0,-1,0"}, 0, 32, QSize(200, 44));
  QSignalSpy down(&f.bar, &ToolBarvs::MouseDown);
  QSignalSpy up(&f.bar, &ToolBarvs::MouseUp);
  QSignalSpy click(&f.bar, &ToolBarvs::MouseClick);
  const QRectF r = f.bar.ButtonRects()[1];
  f.Hover(r.center());
  ASSERT_EQ(f.bar.HoverIndex(), 1);
  EXPECT_EQ(f.bar.TipLabel()->toolTip(), QStringLiteral("B tip"));
  EXPECT_EQ(f.bar.TipLabel()->geometry().x(), qRound(r.x()));
  EXPECT_EQ(f.bar.TipLabel()->geometry().y(), 0);
  f.ClickLabel(Qt::RightButton);
  EXPECT_EQ(up.count(), 0);
  EXPECT_EQ(click.count(), 0);
  f.ClickLabel();
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(down.last().at(0).toInt(), 2);
  const QList<QVariant> args = up.takeFirst();
  EXPECT_EQ(args.at(0).toInt(), 2);
  EXPECT_EQ(args.at(1).toInt(), 1);
  const QPoint labelPos = f.bar.TipLabel()->mapToParent(QPoint(2, 3));
  EXPECT_FLOAT_EQ(args.at(3).toFloat(), labelPos.x());
  EXPECT_FLOAT_EQ(args.at(4).toFloat(), labelPos.y());
  ASSERT_EQ(click.count(), 1);
  EXPECT_EQ(click.first().at(0).toInt(), 2);
  EXPECT_EQ(f.bar.ButtonIndex(), 2);
  EXPECT_EQ(f.bar.refTopValue(), 2);
}

TEST(ToolBarvs, OutOfRangeIndexesAreIgnored) {
  BarFixture f({"1,Y,,,A,0,-1,0"}, 0, 32, QSize(200, 44));
  for (int index : {0, 2, -1}) {
    f.bar.SetButtonEnable(index, false);
    f.bar.SetButtonPressState(index, true);
    f.bar.SetButtonCaptions(index, QStringLiteral("x"));
    EXPECT_FALSE(f.bar.GetButtonPressState(index));
  }
  EXPECT_TRUE(f.bar.GetButtonEnable(1));
  EXPECT_EQ(f.bar.Buttons()[0].Caption, QString());
}

TEST(ToolBarvs, MenuItemsAreStoredUnderConcatenatedKeysAndRoundTrip) {
  QStringList specs;
  for (int i = 1; i <= 13; ++i) specs << QStringLiteral("%1,Y,,,T%1,0,-1,0").arg(i);
  specs[0] = QStringLiteral("1,Y,,,T1,0,-1,1");
  specs[12] = QStringLiteral("13,Y,Cap,,T13,0,-1,3");
  BarFixture f(specs, 0, 16, QSize(600, 28));
  QList<QStringList> menus(13);
  menus[0] = {QStringLiteral("1,Zero,,1,1")};
  menus[12] = {QStringLiteral("1,A,,1,1"), QStringLiteral("2,B,,0,1"), QStringLiteral("3,C,t,1,0")};
  f.bar.SetMenuArray(menus);
  const PropertyBag bag = f.bar.WriteProperties();
  EXPECT_EQ(bag.ReadString(QStringLiteral("MUTA00"), QString()), QStringLiteral("1,Zero,,1,1"));
  EXPECT_EQ(bag.ReadString(QStringLiteral("MUTA1202"), QString()), QStringLiteral("3,C,t,1,0"));
  EXPECT_FALSE(bag.Contains(QStringLiteral("MUTA01")));
  EXPECT_EQ(bag.ReadInt16(QStringLiteral("BC"), 0), 13);

  ToolBarvs back;
  back.ReadProperties(bag);
  QList<QStringList> a, b;
  f.bar.GetMenus(a);
  back.GetMenus(b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(back.ButtonArray(), specs);
  EXPECT_EQ(back.nImage(), f.bar.nImage());
  // Drop-down items widen the button by 12 (and 6 more without a caption).
  EXPECT_EQ(f.bar.ButtonRects()[0].width(), 16 + 9 + 6 + 12);
}

TEST(ToolBarvs, AddButtonMenusInsertsAtPositionOrAppends) {
  BarFixture f({"1,Y,,,A,0,-1,2"}, 0, 16, QSize(200, 28));
  f.bar.SetMenuArray({{QStringLiteral("1,Old1,,1,1"), QStringLiteral("2,Old2,,1,1")}});
  f.bar.AddButtonMenus(1, 1, QStringLiteral("New"), true, false);
  QList<QStringList> menus;
  f.bar.GetMenus(menus);
  EXPECT_EQ(menus[0], (QStringList{"1,New,,1,0", "2,Old1,,1,1", "3,Old2,,1,1"}));
  f.bar.AddButtonMenus(1, 3, QStringLiteral("Tail"), false, true);
  f.bar.ChangeMenuState(1, QStringLiteral("Old2"), QStringLiteral("Renamed"), false, false);
  f.bar.GetMenus(menus);
  EXPECT_EQ(menus[0], (QStringList{"1,New,,1,0", "2,Old1,,1,1", "3,Renamed,,0,0", "4,Tail,,0,1"}));
  EXPECT_EQ(f.bar.MenuClick(), QString());
}

TEST(ToolBarvs, MainWindowBarsLoadFromTheirStoredDefinition) {
  const auto form = FormDefinition::Load(QStringLiteral(":/forms/mform.json"));
  ASSERT_TRUE(form.has_value());
  const struct {
    const char* name;
    int buttons;
    int direction;
    int icon;
  } bars[] = {{"ToolBarvs1", 13, 0, 32}, {"ToolBarvs2", 12, 1, 16}, {"ToolBarvs3", 4, 0, 16},
              {"ToolBarvs4", 6, 0, 16},  {"ToolBarvs5", 3, 0, 16},  {"ToolBarvs6", 2, 0, 16}};
  for (const auto& b : bars) {
    ToolBarvs bar;
    bar.ReadProperties(form->Control(QLatin1String(b.name)));
    EXPECT_EQ(bar.Buttons().size(), b.buttons) << b.name;
    EXPECT_EQ(bar.Direction(), b.direction) << b.name;
    EXPECT_EQ(bar.IcoSizeW(), b.icon) << b.name;
    EXPECT_FALSE(bar.Strip().StripImage().isNull()) << b.name;
    // Writing back gives the same keys and values.
    EXPECT_EQ(bar.WriteProperties().ToJson(), form->Control(QLatin1String(b.name)).ToJson())
        << b.name;
  }
  ToolBarvs command;
  command.ReadProperties(form->Control(QStringLiteral("toolbarvs1")));
  const ToolButton& original = command.Buttons()[10];
  EXPECT_EQ(original.Caption, QStringLiteral("Original Size"));
  EXPECT_EQ(original.Toggle, 1);
  EXPECT_EQ(original.Enabled, 0);
  EXPECT_EQ(original.ItemCount, 1);
  EXPECT_TRUE(command.Buttons()[4].IsSeparator());
  EXPECT_EQ(command.Buttons()[12].ToolTip, QStringLiteral("Website"));
}

}  // namespace

namespace {

TEST(ClsToolbar, CellsAppendRemoveAndSurviveTheirPngBytes) {
  QTemporaryDir dir;
  const QString green = dir.filePath(QStringLiteral("g.png"));
  QImage big(64, 64, QImage::Format_ARGB32);
  big.fill(Qt::green);
  ASSERT_TRUE(big.save(green));
  ClsToolbar strip;
  strip.GetImageSize(16, 16);
  strip.SaveToStream(green);
  strip.SaveToStream(QStringLiteral("1"));  // a separator's empty cell
  strip.SaveToStream(dir.filePath(QStringLiteral("missing.png")));
  strip.SaveToStream(green);
  EXPECT_EQ(strip.StripImage().size(), QSize(ClsToolbar::kStripWidth, 16));
  EXPECT_EQ(strip.UsedWidth(), 64);
  const auto cellColour = [&](int cell) { return strip.StripImage().pixelColor(cell * 16 + 8, 8); };
  EXPECT_EQ(cellColour(0), QColor(Qt::green));  // scaled down into the cell
  EXPECT_EQ(qAlpha(strip.StripImage().pixel(24, 8)), 0);
  EXPECT_EQ(qAlpha(strip.StripImage().pixel(40, 8)), 0);
  EXPECT_EQ(cellColour(3), QColor(Qt::green));

  QByteArray png;
  EXPECT_EQ(strip.QuitSaveStream(png), 1);
  ClsToolbar copy;
  copy.LoadStream(png);
  EXPECT_EQ(copy.StripImage(), strip.StripImage());
  copy.LoadStream(QByteArray());
  copy.LoadStream(QByteArray("not a png"));
  EXPECT_EQ(copy.StripImage(), strip.StripImage()) << "bad bytes leave the strip as it was";

  strip.RemoveImage(1);
  EXPECT_EQ(strip.StripImage().width(), ClsToolbar::kStripWidth - 16);
  EXPECT_EQ(qAlpha(strip.StripImage().pixel(24, 8)), 0);  // the missing file's cell moved left
  EXPECT_EQ(strip.StripImage().pixelColor(40, 8), QColor(Qt::green));
}

}  // namespace
