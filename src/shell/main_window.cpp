#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QMenuBar>

#include "files/document_files.h"
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
  resize(840, 620);
  MirrorState();
}

void MainWindow::BuildCanvas() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  scene_ = new SceneWidget(document_, central);
  scene_->setObjectName(QStringLiteral("Scene"));
  hs1_ = new QScrollBar(Qt::Horizontal, central);
  hs1_->setObjectName(QStringLiteral("Hs1"));
  vs1_ = new QScrollBar(Qt::Vertical, central);
  vs1_->setObjectName(QStringLiteral("Vs1"));
  grid->addWidget(scene_, 0, 0);
  grid->addWidget(vs1_, 0, 1);
  grid->addWidget(hs1_, 1, 0);
  setCentralWidget(central);
  connect(hs1_, &QScrollBar::valueChanged, this,
          [this](int v) { ScrollBarMoved(document_.View.Hs1, v); });
  connect(vs1_, &QScrollBar::valueChanged, this,
          [this](int v) { ScrollBarMoved(document_.View.Vs1, v); });
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
