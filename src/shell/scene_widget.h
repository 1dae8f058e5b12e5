#pragma once

#include <QWidget>

class IconDocument;

// The canvas: paints the document's view and tells the document when its size changes.
class SceneWidget : public QWidget {
  Q_OBJECT

 public:
  SceneWidget(IconDocument& document, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  IconDocument& document_;
};
