#pragma once

#include <QAction>
#include <QMainWindow>
#include <QScrollBar>
#include <QTimer>

#include <memory>

#include "core/icon_document.h"
#include "shell/settings_store.h"

class SceneWidget;
class WindowFrame;

// The editor window mForm: owns the one document and mirrors its state into the widgets after
// every command. Holds no document logic of its own.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(SettingsStore& settings, QWidget* parent = nullptr);

  IconDocument& Document() { return document_; }
  SceneWidget* Scene() const { return scene_; }
  QScrollBar* Hs1() const { return hs1_; }
  QScrollBar* Vs1() const { return vs1_; }
  WindowFrame* Frame() const { return frame_; }
  QTimer& Timer4() { return timer4_; }

  // File > New: save prompt when modified, the page-size dialog, then a new page.
  void NewCommand();
  // Starts a new document of the given page size, as New does after its dialog.
  void StartNewDocument(int width, int height);
  // Opens a file named on the command line; a refused file is reported and nothing changes.
  bool ShellOpenFile(const QString& path);
  enum class SaveOutcome { Saved, Abandoned, Failed };
  // File > Save: under the document's file name, asking for one first when it has none.
  SaveOutcome SaveCommand();
  // Pushes the engine's state into the widgets.
  void MirrorState();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildCanvas();
  void CommandBarClicked(int index);
  void WireSliders();
  // The save prompt: true when the command may go on.
  bool ConfirmDiscard();
  void MirrorScrollBar(QScrollBar* bar, const ScrollBarModel& model);
  void ScrollBarMoved(ScrollBarModel& model, int value);

  SettingsStore& settings_;
  IconDocument document_;
  SceneWidget* scene_ = nullptr;
  WindowFrame* frame_ = nullptr;
  QScrollBar* hs1_ = nullptr;
  QScrollBar* vs1_ = nullptr;
  QTimer timer4_;
  QAction* newAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  bool mirroring_ = false;
};
