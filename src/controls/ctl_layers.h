#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QScrollBar>
#include <QWidget>

// The layer list: one 40-pixel row per layer, top layer first, each with a checkerboard-backed
// thumbnail and the caption "Icon n". It keeps its own copies of the thumbnails, draws the whole
// list into an off-screen image and scrolls it with its own scroll bar Vs1. It never sees the
// document: the window fills it with LoadImage / UpdateImage.
class CtlLayers : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 40;

  struct Item {
    QImage Thumbnail;
    int Width = 0;
    int Height = 0;
    double Opacity = 1.0;
    bool isVisible = true;
  };

  explicit CtlLayers(QWidget* parent = nullptr);

  void Clean();
  void LoadImage(const QImage& new_Img, int Width, int Height, double Opacity, bool isVisible);
  void UpdateImage(const QImage& new_Img, int Width, int Height, int Index, double Opacity,
                   bool isVisible);
  void DrawLayers();
  void RefreshDraw();

  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int index) { selectedIndex_ = index; }

  int ItemCount() const { return items_.size(); }
  const QList<Item>& Items() const { return items_; }
  // Row r counted from the top, in list coordinates (rebuilt by every DrawLayers).
  const QList<QRectF>& RowRects() const { return rowRects_; }
  const QImage& ListImage() const { return list_; }
  QScrollBar* Vs1() const { return vs1_; }
  // The thumbnail size for a layer of w x h: fitted into 40 x 32, never enlarged.
  static QSize FitThumbnail(int w, int h);

 signals:
  void LayerMouseDown(int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void UpdateScrollBar(int listHeight);
  void DrawRow(QPainter& p, int r);
  static void DrawChecker(QPainter& p, int top);

  QList<Item> items_;
  QList<QRectF> rowRects_;
  QImage list_;
  QScrollBar* vs1_;
  int selectedIndex_ = -1;
};
