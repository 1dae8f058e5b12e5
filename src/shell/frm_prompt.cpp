#include "frm_prompt.h"

#include <QKeyEvent>
#include <QPainter>

#include "imaging/argb.h"
#include "imaging/caption_text.h"
#include "imaging/separator_lines.h"

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 230;

const char* const kQuestion =
    "Save Icon Document? \nSave the icon document as LUMX format? You can open and continue "
    "editing the icon document next time.";
const char* const kExplanation =
    "What's LUMX format? \nThe LUMX format is Glyphsmithy software document. Glyphsmithy's "
    "native format, stores an image with support for most imaging options available in "
    "Glyphsmithy.";

// The information mark: our own drawing of a blue disc with a white "i".
void DrawInformationMark(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient fill(r.center() - QPoint(6, 8), r.width());
  fill.setColorAt(0, QColor(120, 180, 245));
  fill.setColorAt(1, QColor(25, 90, 180));
  p.setBrush(fill);
  p.setPen(QPen(QColor(20, 60, 130), 1.2));
  p.drawEllipse(r.adjusted(1, 1, -1, -1));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const int cx = r.center().x() + 1;
  p.drawEllipse(QPointF(cx, r.top() + 10.5), 3, 3);
  p.drawRoundedRect(QRectF(cx - 3, r.top() + 16, 6, 16), 1.5, 1.5);
  p.restore();
}
}  // namespace

FrmPrompt::FrmPrompt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      yes_(new QPushButton(QStringLiteral("Yes"), this)),
      no_(new QPushButton(QStringLiteral("No"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Glyphsmithy"));
  setFixedSize(kWidth, kHeight);
  const int top = kHeight - 75 - 38;  // above the etched line; the explanation sits below it
  yes_->setGeometry(kWidth - 285, top, 85, 27);
  no_->setGeometry(kWidth - 190, top, 85, 27);
  cancel_->setGeometry(kWidth - 95, top, 85, 27);
  no_->setDefault(true);
  yes_->setAutoDefault(false);
  cancel_->setAutoDefault(false);
  connect(yes_, &QPushButton::clicked, this, [this] { Answer(AnswerYes); });
  connect(no_, &QPushButton::clicked, this, [this] { Answer(AnswerNo); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Answer(AnswerCancel); });
}

int FrmPrompt::Ask() {
  exec();
  return value_;
}

void FrmPrompt::Answer(int value) {
  value_ = value;
  accept();
}

void FrmPrompt::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cancel_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FrmPrompt::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawInformationMark(p, QRect(15, 25, 38, 38));
  DrawCaptionText(p, QString::fromLatin1(kQuestion), 65, 22, QStringLiteral("Verdana"), 8.25,
                  MakeARGB(255, 64, 64, 64), FontRegular, false, kWidth - 80, true);
  DrawCaptionText(p, QString::fromLatin1(kExplanation), 15, kHeight - 66,
                  QStringLiteral("Verdana"), 7, MakeARGB(255, 128, 128, 128), FontRegular, false,
                  kWidth - 30, true);
  DrawSeparatorLines(p, width(), height(), 0, 75);
}
