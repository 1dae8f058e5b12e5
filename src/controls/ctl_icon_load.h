#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QScrollBar>
#include <QWidget>

#include "controls/property_bag.h"

// The icon-format chooser strip: one 100-pixel cell per offered image (more than 8 bits per
// pixel), each with the image fitted into the cell and its size as a label; a press selects a
// cell, a double click reports Dbclick. The strip picture Picture1 scrolls with HS1. Reading the
// icon file is not this control's job: the window hands it the decoded records.
class CtlIconLoad : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellWidth = 100;
  static constexpr int kScrollHeight = 17;

  struct ImageRecord {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    QImage Image;
    QRect Cell;  // left, top, right (exclusive), bottom (exclusive) once drawn
  };

  explicit CtlIconLoad(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  // Replaces the loaded file's records; Picture1 grows by one cell per image above 8 bits.
  void SetImageRecords(const QList<ImageRecord>& records);
  void Clear();
  void DrawIcon();
  // A copy of the selected image; `mImage` is left as it was with no selection.
  void GetImage(QImage& mImage) const;
  static void GetBestFitInfo(float sourceWidth, float sourceHeight, float boxWidth, float boxHeight,
                             float& x, float& y, float& width, float& height);

  int Color() const { return color_; }  // OLE colour
  void SetColor(int oleColor);
  int SelectedIndex() const { return selected_; }
  const QList<ImageRecord>& Records() const { return records_; }
  // The x of a cell's label relative to the cell.
  static int LabelOffset(int imageWidth) { return imageWidth < 100 ? 25 : 18; }
  QWidget* Picture1() const { return picture1_; }
  QScrollBar* HS1() const { return hs1_; }
  const QImage& StripImage() const { return strip_; }

  QSize sizeHint() const override { return QSize(289, 113); }

 signals:
  void Dbclick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PressAt(QPoint pos);
  void DrawCell(QPainter& p, ImageRecord& record, int n, int stripHeight);

  QWidget* picture1_;
  QScrollBar* hs1_;
  QList<ImageRecord> records_;
  QImage strip_;
  int selected_ = -1;
  int color_ = 0xF5F5F5;
};
