#pragma once

#include <QDialog>
#include <QPushButton>

// The save prompt shown before unsaved work would be lost. Value(): 2 Yes (save first), 1 No,
// 0 Cancel. Closing it without a button keeps the answer of its previous use (0 the first time).
class FrmPrompt : public QDialog {
  Q_OBJECT

 public:
  enum Answer { AnswerCancel = 0, AnswerNo = 1, AnswerYes = 2 };

  explicit FrmPrompt(QWidget* parent = nullptr);

  int Value() const { return value_; }
  // Shows the prompt modally and returns the answer.
  int Ask();

  QPushButton* OkButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Answer(int value);

  QPushButton* yes_;
  QPushButton* no_;
  QPushButton* cancel_;
  int value_ = AnswerCancel;
};
