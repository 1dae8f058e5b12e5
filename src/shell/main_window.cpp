#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMenuBar>

#include "controls/form_definition.h"
#include "core/commands/adjustment_commands.h"
#include "core/commands/layer_sliders.h"
#include "controls/resource_init.h"
#include "files/document_files.h"
#include "shell/window_frame.h"
#include "shell/frm_page.h"
#include "shell/frm_prompt.h"
#include "shell/scene_widget.h"

MainWindow::MainWindow(SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
  setObjectName(QStringLiteral("mForm"));
  BuildCanvas();
  BuildMenus();
  document_.Hooks.CanvasChanged = [this](bool refresh) {
    MirrorState();
    if (refresh) scene_->repaint(); else scene_->update();
  };
  timer4_.setInterval(1);
  connect(&timer4_, &QTimer::timeout, this, [this] {
    if (!document_.ZoomAnimationTick()) timer4_.stop();
  });
  resize(1000, 720);
  MirrorState();
}

void MainWindow::BuildCanvas() {
  InitControlResources();
  QString error;
  const std::optional<FormDefinition> form =
      FormDefinition::Load(QStringLiteral(":/forms/mform.json"), &error);
  scene_ = new SceneWidget(document_, this);
  scene_->setObjectName(QStringLiteral("Scene"));
  frame_ = new WindowFrame(form ? *form : FormDefinition(QStringLiteral("mForm")), scene_, this);
  hs1_ = frame_->Hs1;
  vs1_ = frame_->Vs1;
  setCentralWidget(frame_);
  connect(hs1_, &QScrollBar::valueChanged, this,
          [this](int v) { ScrollBarMoved(document_.View.Hs1, v); });
  connect(vs1_, &QScrollBar::valueChanged, this,
          [this](int v) { ScrollBarMoved(document_.View.Vs1, v); });
  connect(frame_->ToolBarvs1, &ToolBarvs::MouseUp, this,
          [this](int index, int button, int, float, float) {
            if (button == 1) CommandBarClicked(index);
          });
  WireSliders();
  connect(frame_->PageWidthBox, &CtlScroll::Change, this, [this] {
    if (!mirroring_) document_.SetPageWidth(frame_->PageWidthBox->ColorValue());
  });
  connect(frame_->PageHeightBox, &CtlScroll::Change, this, [this] {
    if (!mirroring_) document_.SetPageHeight(frame_->PageHeightBox->ColorValue());
  });
}

// Each right-panel slider is one undo step per drag: press takes the snapshot, every change
// works from the pristine copy, release finishes.
void MainWindow::WireSliders() {
  auto wire = [this](CtlScroll2* slider, auto press, auto change, auto release) {
    connect(slider, &CtlScroll2::MouseDown, this, [this, press](int button, int, float, float) {
      if (button == 1 && !mirroring_) press();
    });
    connect(slider, &CtlScroll2::Change, this, [this, slider, change](bool) {
      if (!mirroring_) change(slider->Value());
    });
    connect(slider, &CtlScroll2::MouseUp, this, [this, release](int button, int, float, float) {
      if (button == 1 && !mirroring_) {
        release();
        MirrorState();
      }
    });
  };
  IconDocument& d = document_;
  wire(frame_->CtlScroll21, [&d] { OpacitySliderPressed(d); },
       [&d](int v) { OpacitySliderChanged(d, v); }, [&d] { OpacitySliderReleased(d); });
  wire(frame_->ScaleScroll, [&d] { ScaleSliderPressed(d); },
       [&d](int v) { ScaleSliderChanged(d, v); }, [&d] { ScaleSliderReleased(d); });
  const std::pair<CtlScroll2*, AdjustmentSlider> adjustments[] = {
      {frame_->HUEscroll, AdjustmentSlider::Hue},
      {frame_->SaturationScroll, AdjustmentSlider::Saturation},
      {frame_->BrightnessScroll, AdjustmentSlider::Brightness},
      {frame_->ContrastScroll, AdjustmentSlider::Contrast}};
  for (const auto& [slider, which] : adjustments) {
    const AdjustmentSlider kind = which;
    wire(slider, [&d, kind] { AdjustmentSliderPressed(d, kind); },
         [&d, kind](int v) { AdjustmentSliderChanged(d, kind, v); },
         [&d, kind] { AdjustmentSliderReleased(d, kind); });
  }
}

void MainWindow::CommandBarClicked(int index) {
  switch (index) {
    case CmdNew: NewCommand(); break;
    case CmdUndo: if (document_.CanUndo()) document_.Undo(); break;
    case CmdRedo: if (document_.CanRedo()) document_.Redo(); break;
    case CmdZoomIn: document_.ZoomIn(); break;
    case CmdZoomOut: document_.ZoomOut(); break;
    case CmdOriginalSize: document_.ToggleOriginalSize(); break;
    default: break;  // the file and help buttons come with the file commands and help menu
  }
  MirrorState();
  scene_->setFocus();
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  newAction_ = file->addAction(tr("&New"), this, &MainWindow::NewCommand);
  newAction_->setObjectName(QStringLiteral("m_New"));
  newAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  file->addSeparator();
  exitAction_ = file->addAction(tr("E&xit"), this, &QWidget::close);
  exitAction_->setObjectName(QStringLiteral("m_Exit"));
  exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::ScrollBarMoved(ScrollBarModel& model, int value) {
  if (mirroring_) return;
  model.Value = value;
  if (!document_.View.Zooming) document_.RenderCanvas(true);
}

void MainWindow::MirrorScrollBar(QScrollBar* bar, const ScrollBarModel& model) {
  bar->setRange(0, std::max(model.Max, 0));
  bar->setPageStep(std::max(model.LargeChange, 1));
  bar->setValue(model.Value);
  bar->setEnabled(model.Enabled);
}

void MainWindow::MirrorState() {
  mirroring_ = true;
  setWindowTitle(document_.Window.Caption);
  frame_->ShowState(document_.Window);
  MirrorScrollBar(hs1_, document_.View.Hs1);
  MirrorScrollBar(vs1_, document_.View.Vs1);
  mirroring_ = false;
}

bool MainWindow::ConfirmDiscard() {
  if (!document_.Modified) return true;
  FrmPrompt prompt(this);
  const int answer = prompt.Ask();
  if (answer == FrmPrompt::AnswerCancel) return false;
  if (answer == FrmPrompt::AnswerNo) return true;
  // A save that failed must not be followed by discarding the work it was meant to keep.
  return SaveCommand() != SaveOutcome::Failed;
}

MainWindow::SaveOutcome MainWindow::SaveCommand() {
  QString path = document_.FileName;
  if (path.isEmpty()) {
    path = QFileDialog::getSaveFileName(this, QStringLiteral("Open File..."), QString(),
                                        QStringLiteral("Vorkel Glyphsmithy File (*.lumx)"));
    if (path.isEmpty()) return SaveOutcome::Abandoned;
  }
  const QString failure = SaveDocument(document_, path);
  MirrorState();
  if (failure.isEmpty()) return SaveOutcome::Saved;
  QMessageBox::critical(this, QStringLiteral("Glyphsmithy"), failure, QMessageBox::Ok);
  return SaveOutcome::Failed;
}

void MainWindow::NewCommand() {
  if (!ConfirmDiscard()) return;
  FrmPage page(settings_, this);
  page.exec();
  if (page.Cancel()) return;
  QCoreApplication::processEvents();
  document_.Modified = false;
  StartNewDocument(page.pageWidth(), page.pageHeight());
}

void MainWindow::StartNewDocument(int width, int height) {
  document_.View.SceneWidth = scene_->width();
  document_.View.SceneHeight = scene_->height();
  document_.InitDocument(width, height, true);
  document_.Window.SceneExists = true;
  MirrorState();
  timer4_.start();
}

bool MainWindow::ShellOpenFile(const QString& path) {
  document_.View.SceneWidth = scene_->width();
  document_.View.SceneHeight = scene_->height();
  const QString failure = OpenFile(document_, path);
  if (!failure.isEmpty()) {
    QMessageBox::critical(this, QStringLiteral("Glyphsmithy"), failure, QMessageBox::Ok);
    return false;
  }
  document_.Window.SceneExists = true;
  document_.View.StartOpeningAnimation();
  MirrorState();
  timer4_.start();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ConfirmDiscard()) {
    event->ignore();
    return;
  }
  timer4_.stop();
  event->accept();
}
