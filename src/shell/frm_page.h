#pragma once

#include <QDialog>
#include <QPushButton>

#include <functional>

#include "controls/ctl_scroll.h"

class SettingsStore;

// The New dialog: asks for the page width and height, remembers them in the settings ("Width",
// "Height") and refuses sizes outside 1..512. Enter and Esc both press "&Ok".
class FrmPage : public QDialog {
  Q_OBJECT

 public:
  FrmPage(SettingsStore& settings, QWidget* parent = nullptr);

  bool Cancel() const { return cancel_; }
  int pageWidth() const { return width_; }
  int pageHeight() const { return height_; }

  CtlScroll* CtlScroll1() const { return widthBox_; }
  CtlScroll* CtlScroll2() const { return heightBox_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancelButton_; }

  // How refusals are shown; a message box unless replaced (tests record the text instead).
  std::function<void(const QString&)> ShowMessage;

  static const char* const kRefusal;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PressOk();
  void PressCancel();

  SettingsStore& settings_;
  CtlScroll* widthBox_;
  CtlScroll* heightBox_;
  QPushButton* ok_;
  QPushButton* cancelButton_;
  bool cancel_ = true;
  bool closing_ = false;
  int width_ = 0;
  int height_ = 0;
};
