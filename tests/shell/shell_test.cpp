#include <gtest/gtest.h>

#include <QApplication>

#include <cmath>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "imaging/font_fallback.h"
#include "shell/frm_page.h"
#include "shell/main_window.h"
#include "shell/scene_widget.h"
#include "shell/window_frame.h"
#include "shell/settings_store.h"

namespace {

class ShellTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  SettingsStore settings{dir.filePath("settings.ini")};
};

TEST_F(ShellTest, NewDialogRefusesBadSizesAndRemembersTheAcceptedOne) {
  QStringList messages;
  {
    FrmPage page(settings);
    page.ShowMessage = [&](const QString& m) { messages << m; };
    // First use on a clean account: 0 x 0, which Ok refuses and the dialog stays.
    EXPECT_EQ(page.CtlScroll1()->ColorValue(), 0);
    page.OkButton()->click();
    ASSERT_EQ(messages, QStringList{"Please input a integer from 1 to 512."});
    EXPECT_TRUE(page.Cancel());

    page.CtlScroll1()->ValueCap()->setText("600");  // typed, not range checked while typing
    page.CtlScroll2()->ValueCap()->setText("48");
    EXPECT_EQ(page.pageWidth(), 600);
    page.OkButton()->click();
    EXPECT_EQ(messages.size(), 2);

    page.CtlScroll1()->ValueCap()->setText("64");
    page.OkButton()->click();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_FALSE(page.Cancel());
    EXPECT_EQ(page.pageWidth(), 64);
    EXPECT_EQ(page.pageHeight(), 48);
  }
  FrmPage again(settings);
  EXPECT_EQ(again.CtlScroll1()->ColorValue(), 64);
  EXPECT_EQ(again.CtlScroll2()->ColorValue(), 48);
}

TEST_F(ShellTest, EscapePressesOkAndCancelLeavesTheStoredSize) {
  settings.WriteRegistryNumber("Width", 32);
  settings.WriteRegistryNumber("Height", 16);
  FrmPage page(settings);
  page.show();
  QTest::keyClick(&page, Qt::Key_Escape);
  EXPECT_FALSE(page.Cancel());  // Esc is Ok, and 32 x 16 is acceptable
  EXPECT_EQ(page.pageWidth(), 32);

  FrmPage second(settings);
  second.CtlScroll1()->ValueCap()->setText("100");
  second.CancelButton()->click();
  EXPECT_TRUE(second.Cancel());
  EXPECT_EQ(settings.ReadRegistryNumber("Width"), 32);
}

TEST_F(ShellTest, NumericBoxStepsWithinItsRangeAndIgnoresLetters) {
  CtlScroll box;
  box.SetMinValue(5);
  box.SetMaxValue(7);
  int changes = 0;
  QObject::connect(&box, &CtlScroll::Change, [&] { ++changes; });
  box.SetColorValue(6);
  EXPECT_GE(changes, 1);
  box.Mup()->click();
  box.Mup()->click();
  EXPECT_EQ(box.ColorValue(), 7);
  box.SetColorValue(5);
  box.Mdown()->click();
  EXPECT_EQ(box.ColorValue(), 5);
  box.show();
  box.ValueCap()->clear();
  QTest::keyClicks(box.ValueCap(), "4x2");
  EXPECT_EQ(box.ValueCap()->text(), "42");
  EXPECT_EQ(box.ColorValue(), 42);
  EXPECT_EQ(CtlScroll::TrackValue(1, 200), 255);
  EXPECT_EQ(CtlScroll::TrackValue(2, 50), 90);
}

TEST_F(ShellTest, NewDocumentShowsTheCheckerboardAfterTheOpeningAnimation) {
  MainWindow window(settings);
  EXPECT_EQ(window.windowTitle(), "Vorkel Glyphsmithy 7");
  window.resize(800, 600);
  window.show();
  window.StartNewDocument(64, 64);
  EXPECT_EQ(window.windowTitle(), "Vorkel Glyphsmithy - Project *");
  EXPECT_TRUE(window.Timer4().isActive());
  QTRY_VERIFY_WITH_TIMEOUT(!window.Timer4().isActive(), 2000);
  EXPECT_DOUBLE_EQ(window.Document().View.Zoom, 1.0);
  const QImage shot = window.Scene()->grab().toImage();
  // Centred with halves rounded to even, as the view places the page.
  const int left = int(std::nearbyint((window.Scene()->width() - 64) / 2.0));
  const int top = int(std::nearbyint((window.Scene()->height() - 64) / 2.0));
  EXPECT_EQ(shot.pixel(left + 1, top + 1), 0xFFFFFFFFu);
  EXPECT_EQ(shot.pixel(left + 6, top + 1), qRgb(240, 240, 240));
  EXPECT_FALSE(window.Hs1()->isEnabled());
}

TEST_F(ShellTest, AFileNamedAtStartOpensAsADocument) {
  QImage picture(30, 20, QImage::Format_ARGB32);
  picture.fill(0xFF102030u);
  const QString path = dir.filePath("start.png");
  ASSERT_TRUE(picture.save(path));
  MainWindow window(settings);
  window.show();
  ASSERT_TRUE(window.ShellOpenFile(path));
  EXPECT_EQ(window.Document().LayerCount(), 1);
  EXPECT_EQ(window.Document().PageWidth, 30);
  EXPECT_FALSE(window.Document().Modified);
  QTRY_VERIFY_WITH_TIMEOUT(!window.Timer4().isActive(), 2000);
  EXPECT_EQ(window.Document().Composite.pixel(5, 5), 0xFF102030u);
}

TEST_F(ShellTest, TheFrameMirrorsTheDocumentAndTheCommandBarZooms) {
  MainWindow window(settings);
  window.resize(1000, 720);
  window.show();
  WindowFrame* frame = window.Frame();
  // Before any document: Save, Undo and the zoom buttons are off.
  EXPECT_FALSE(frame->ToolBarvs1->GetButtonEnable(CmdSave));
  EXPECT_FALSE(frame->ToolBarvs1->GetButtonEnable(CmdZoomIn));
  EXPECT_FALSE(frame->CtlScroll21->Enabled());
  window.StartNewDocument(48, 32);
  QTRY_VERIFY_WITH_TIMEOUT(!window.Timer4().isActive(), 2000);
  EXPECT_TRUE(frame->ToolBarvs1->GetButtonEnable(CmdUndo));
  EXPECT_TRUE(frame->ToolBarvs1->GetButtonPressState(CmdOriginalSize));
  EXPECT_EQ(frame->CtlScroll21->Value(), 100);
  EXPECT_EQ(frame->PageWidthBox->ColorValue(), 48);
  EXPECT_EQ(frame->PageHeightBox->ColorValue(), 32);
  // Zoom In through the bar's click event: 1 -> 3, and Original Size shows released.
  emit frame->ToolBarvs1->MouseUp(CmdZoomIn, 1, 0, 0, 0);
  EXPECT_DOUBLE_EQ(window.Document().View.Zoom, 3.0);
  EXPECT_FALSE(frame->ToolBarvs1->GetButtonPressState(CmdOriginalSize));
  // Typing a page width in the Properties panel reaches the document, clamped.
  frame->PageWidthBox->ValueCap()->setText("600");
  EXPECT_EQ(window.Document().PageWidth, 512);
}

TEST_F(ShellTest, DraggingTheOpacitySliderIsOneUndoStep) {
  MainWindow window(settings);
  window.show();
  window.StartNewDocument(16, 16);
  CtlScroll2* slider = window.Frame()->CtlScroll21;
  const int steps = window.Document().Snapshots.UndoPosition;
  emit slider->MouseDown(1, 0, 0, 0);
  for (int v : {80, 50, 20}) {
    slider->SetValue(v);
    emit slider->Change(false);
    EXPECT_EQ(slider->Value(), v);  // mirroring during the drag leaves the thumb where it is
  }
  emit slider->MouseUp(1, 0, 0, 0);
  EXPECT_FLOAT_EQ(window.Document().Layers[0].Opacity, 0.2f);
  EXPECT_EQ(window.Document().Snapshots.UndoPosition, steps + 1);
  EXPECT_EQ(slider->Value(), 20);
}

TEST_F(ShellTest, CollapsingASectionMovesTheOnesBelowUp) {
  MainWindow window(settings);
  window.resize(1000, 720);
  window.show();
  WindowFrame* frame = window.Frame();
  for (int s = 0; s < 4; ++s) frame->SetSectionOpen(s, true);
  const int resizeTitleOpen = frame->Titles[2]->y();
  frame->SetSectionOpen(1, false);
  EXPECT_LT(frame->Titles[2]->y(), resizeTitleOpen);
  EXPECT_EQ(frame->Titles[2]->y(), frame->Titles[1]->geometry().bottom() + 1);
  // The window never gets smaller than its minimum.
  EXPECT_GE(frame->minimumWidth(), MinimumClientSize().width());
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontFallbacks();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
