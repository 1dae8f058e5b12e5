#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "control_events.h"
#include "controls/ctl_scroll.h"
#include "controls/ctl_scroll2.h"
#include "controls/form_definition.h"

namespace {

// A 110-pixel slider (track 97 pixels from x = 6) as the main window's panels use them.
struct SliderFixture {
  CtlScroll2 slider;
  explicit SliderFixture(int min = 0, int max = 100) {
    slider.resize(110, 16);
    slider.SetMinValue(min);
    slider.SetMaxValue(max);
  }
  void Press(int x) { SendMouse(&slider, QEvent::MouseButtonPress, QPointF(x, 8)); }
  void DragTo(int x) { SendDrag(&slider, QPointF(x, 8)); }
  void Release(int x) { SendMouse(&slider, QEvent::MouseButtonRelease, QPointF(x, 8)); }
};

TEST(CtlScroll2, TrackAndThumbGeometry) {
  SliderFixture f;
  EXPECT_EQ(f.slider.TrackRect(), QRect(6, 1, 97, 5));
  QSignalSpy change(&f.slider, &CtlScroll2::Change);
  const struct {
    int value;
    int left;
  } cases[] = {{0, 0}, {50, 48}, {100, 97}, {10, 10}};  // 48.5 rounds to the even 48
  for (const auto& c : cases) {
    f.slider.SetValue(c.value);
    EXPECT_EQ(f.slider.ThumbRect().left(), c.left) << c.value;
  }
  EXPECT_EQ(f.slider.ThumbRect().top(), 7);
  EXPECT_EQ(f.slider.ThumbRect().width(), 97);
  EXPECT_EQ(change.count(), 0) << "setting Value from code raises nothing";
  f.slider.SetMaxValue(0);  // treated as 100
  f.slider.SetValue(50);
  EXPECT_EQ(f.slider.ThumbRect().left(), 48);
}

TEST(CtlScroll2, DraggingGivesPixelOffsetsSnappedAtBothEnds) {
  SliderFixture f;
  f.slider.SetValue(50);
  QSignalSpy change(&f.slider, &CtlScroll2::Change);
  f.Press(52);
  std::set<int> seen;
  for (int x = 52; x <= 130; ++x) {
    f.DragTo(x);
    seen.insert(f.slider.Value());
  }
  EXPECT_EQ(f.slider.Value(), 100);
  EXPECT_TRUE(seen.count(98));
  EXPECT_FALSE(seen.count(99));
  EXPECT_EQ(f.slider.ThumbRect().left(), 6 + 97 - 5);
  for (int x = 130; x >= -60; --x) {
    f.DragTo(x);
    seen.insert(f.slider.Value());
  }
  f.Release(-60);
  EXPECT_EQ(f.slider.Value(), 0);
  EXPECT_EQ(f.slider.ThumbRect().left(), 1);
  EXPECT_TRUE(seen.count(2));
  EXPECT_FALSE(seen.count(1));
  for (int v = 2; v <= 98; ++v) EXPECT_TRUE(seen.count(v)) << v;
  EXPECT_EQ(change.count(), (130 - 52 + 1) + (130 + 60 + 1));
  EXPECT_FALSE(change.first().at(0).toBool());
}

TEST(CtlScroll2, BrushSliderDraggedFarLeftGivesZero) {
  SliderFixture f(1, 100);
  f.slider.SetValue(40);
  const int start = f.slider.ThumbRect().left() + 3;
  f.Press(start);
  for (int x = start; x >= -20; --x) f.DragTo(x);
  EXPECT_EQ(f.slider.Value(), 0);
}

TEST(CtlScroll2, PressOutsideThumbBandDoesNotDrag) {
  SliderFixture f;
  f.slider.SetValue(50);
  SendMouse(&f.slider, QEvent::MouseButtonPress, QPointF(20, 8));  // left of the thumb
  SendDrag(&f.slider, QPointF(60, 8));
  EXPECT_EQ(f.slider.Value(), 50);
}

TEST(CtlScroll2, DisabledSliderFadesThumbButStillReportsPointer) {
  const auto form = FormDefinition::Load(QStringLiteral(":/forms/mform.json"));
  ASSERT_TRUE(form.has_value());
  CtlScroll2 slider;
  slider.resize(110, 16);
  slider.ReadProperties(form->Control(QStringLiteral("CtlScroll21")));
  ASSERT_FALSE(slider.Enabled());
  ASSERT_FALSE(slider.Thumb().StripImage().isNull());
  QSignalSpy down(&slider, &CtlScroll2::MouseDown);
  QSignalSpy up(&slider, &CtlScroll2::MouseUp);
  Click(&slider, QPointF(3, 8), Qt::RightButton);
  EXPECT_EQ(down.count(), 1);
  EXPECT_EQ(up.count(), 1);
  EXPECT_EQ(down.first().at(0).toInt(), 2);

  const QImage faded = slider.grab().toImage();
  slider.SetEnabled(true);
  const QImage full = slider.grab().toImage();
  const QPoint inThumb(6, 12);
  const QColor thumb = slider.Thumb().StripImage().pixelColor(6, 5);
  const QColor back = faded.pixelColor(60, 14);
  EXPECT_EQ(full.pixelColor(inThumb), thumb);
  EXPECT_NEAR(faded.pixelColor(inThumb).blue(), 0.3 * thumb.blue() + 0.7 * back.blue(), 3);
}

TEST(CtlScroll2, StoredPropertiesRoundTrip) {
  CtlScroll2 slider;
  PropertyBag empty;
  slider.ReadProperties(empty);
  EXPECT_EQ(slider.MaxValue(), 100);
  EXPECT_EQ(slider.MinValue(), 0);
  EXPECT_FALSE(slider.Enabled());
  const auto form = FormDefinition::Load(QStringLiteral(":/forms/mform.json"));
  const PropertyBag stored = form->Control(QStringLiteral("SaturationScroll"));
  slider.ReadProperties(stored);
  EXPECT_EQ(slider.Value(), 40);
  EXPECT_EQ(slider.WriteProperties().ToJson(), stored.ToJson());
}

TEST(CtlScroll, StoredPropertiesAndTypedValues) {
  const auto form = FormDefinition::Load(QStringLiteral(":/forms/frmpage.json"));
  ASSERT_TRUE(form.has_value());
  CtlScroll box;
  box.ReadProperties(form->Control(QStringLiteral("CtlScroll1")));
  EXPECT_EQ(box.MinValue(), 5);
  EXPECT_EQ(box.MaxValue(), 255);
  EXPECT_EQ(box.ColorValue(), 48);
  EXPECT_TRUE(box.isEnabled());
  EXPECT_EQ(box.WriteProperties().ToJson(), form->Control(QStringLiteral("CtlScroll1")).ToJson());

  QSignalSpy change(&box, &CtlScroll::Change);
  box.ValueCap()->clear();
  QTest::keyClicks(box.ValueCap(), QStringLiteral("600"));
  EXPECT_EQ(box.ColorValue(), 600) << "typing is not range checked";
  EXPECT_GE(change.count(), 3);

  CtlScroll defaults;
  defaults.ReadProperties(PropertyBag());
  EXPECT_EQ(defaults.ColorValue(), 1);
  EXPECT_EQ(defaults.ScrollType(), 1);
  EXPECT_EQ(defaults.CaptionFont(), QStringLiteral("Tahoma"));
  EXPECT_FALSE(defaults.isEnabled());
}

}  // namespace
