#include "frm_page.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

#include "imaging/argb.h"
#include "imaging/caption_text.h"
#include "imaging/separator_lines.h"
#include "shell/settings_store.h"

const char* const FrmPage::kRefusal = "Please input a integer from 1 to 512.";

namespace {
constexpr int kDialogWidth = 320;
constexpr int kDialogHeight = 215;
constexpr const char* kHint = "Import the icon width and height you wish.";
}  // namespace

FrmPage::FrmPage(SettingsStore& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      widthBox_(new CtlScroll(this)),
      heightBox_(new CtlScroll(this)),
      ok_(new QPushButton(tr("&Ok"), this)),
      cancelButton_(new QPushButton(tr("&Cancel"), this)) {
  setWindowTitle(QStringLiteral("New..."));
  setFixedSize(kDialogWidth, kDialogHeight);
  setCursor(Qt::WaitCursor);
  ShowMessage = [this](const QString& text) {
    QMessageBox::information(this, windowTitle(), text, QMessageBox::Ok);
  };

  const struct { CtlScroll* box; const char* label; int y; } rows[] = {
      {widthBox_, "Width:", 55}, {heightBox_, "Height:", 80}};
  for (const auto& row : rows) {
    row.box->SetMinValue(5);
    row.box->SetMaxValue(255);
    row.box->SetNormalCaption(QString::fromLatin1(row.label));
    row.box->setGeometry(30, row.y, 150, 21);
  }
  width_ = settings_.ReadRegistryNumber(QStringLiteral("Width"));
  height_ = settings_.ReadRegistryNumber(QStringLiteral("Height"));
  widthBox_->SetColorValue(width_);
  heightBox_->SetColorValue(height_);
  connect(widthBox_, &CtlScroll::Change, this, [this] { width_ = widthBox_->ColorValue(); });
  connect(heightBox_, &CtlScroll::Change, this, [this] { height_ = heightBox_->ColorValue(); });

  const int buttonsTop = kDialogHeight - 42;
  ok_->setGeometry(kDialogWidth - 190, buttonsTop, 85, 27);
  cancelButton_->setGeometry(kDialogWidth - 95, buttonsTop, 85, 27);
  ok_->setDefault(true);
  ok_->setAutoDefault(true);
  cancelButton_->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &FrmPage::PressOk);
  connect(cancelButton_, &QPushButton::clicked, this, &FrmPage::PressCancel);
  unsetCursor();
}

void FrmPage::PressOk() {
  if (width_ < 1 || width_ > 512 || height_ < 1 || height_ > 512) {
    ShowMessage(QString::fromLatin1(kRefusal));
    return;
  }
  cancel_ = false;
  settings_.WriteRegistryNumber(QStringLiteral("Width"), width_);
  settings_.WriteRegistryNumber(QStringLiteral("Height"), height_);
  settings_.Sync();
  closing_ = true;
  accept();
}

void FrmPage::PressCancel() {
  cancel_ = true;
  closing_ = true;
  reject();
}

void FrmPage::keyPressEvent(QKeyEvent* event) {
  // Esc is the dialog's cancel key, and "&Ok" is its cancel button.
  if (event->key() == Qt::Key_Escape) {
    ok_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FrmPage::closeEvent(QCloseEvent* event) {
  if (!closing_) cancel_ = true;
  QDialog::closeEvent(event);
}

void FrmPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawCaptionText(p, QStringLiteral("New Icon..."), 15, 10, QStringLiteral("Verdana"), 12,
                  MakeARGB(255, 55, 101, 144), FontRegular, false, 200, true);
  DrawCaptionText(p, QString::fromLatin1(kHint), 30, 118, QStringLiteral("Tahoma"), 8,
                  MakeARGB(255, 90, 90, 90), FontRegular, false, kDialogWidth - 40, true);
  DrawSeparatorLines(p, width(), height(), 50, 55);
}
