#include "canvas_view.h"

#include <QBrush>
#include <QPen>

#include <algorithm>
#include <limits>

#include "imaging/draw_image.h"
#include "imaging/rounding.h"

namespace {

// "Rounded to a 16-bit integer": out-of-range values are clamped instead of overflowing.
int RoundToInt16(double v) {
  const double r = std::nearbyint(v);
  return static_cast<int>(std::clamp(r, double(std::numeric_limits<int16_t>::min()),
                                     double(std::numeric_limits<int16_t>::max())));
}

// The 5-pixel squares: first square row starts at x offset 5, the next at 0, alternating.
const QImage& CheckerTile() {
  static const QImage tile = [] {
    QImage t(10, 10, QImage::Format_ARGB32_Premultiplied);
    t.fill(Qt::transparent);
    const QRgb grey = qRgb(240, 240, 240);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const bool firstRow = y < 5;
        const bool rightHalf = x >= 5;
        if (firstRow == rightHalf) t.setPixel(x, y, grey);
      }
    }
    return t;
  }();
  return tile;
}

}  // namespace

double ScrollBarModel::Fraction() const {
  if (Max == 0) return 0.5;
  return RoundToDecimals(static_cast<double>(Value) / Max, 1);
}

void CanvasView::StartOpeningAnimation() {
  Zoom = 0.0;
  SavedView.Zoom = 1.0;
  MaxZoom = 20;
  ZoomStep = -0.2f;
  ZoomTarget = 1.0f;
  Animating = true;
}

bool CanvasView::AnimationTick() {
  if (!Animating) return false;
  Zoom = RoundToDecimals(Zoom - ZoomStep, 1);
  const float z = static_cast<float>(Zoom);
  const bool reached = ZoomStep > 0 ? !(z > ZoomTarget) : z >= ZoomTarget;
  if (reached) {
    Zoom = ZoomTarget;
    Animating = false;
  }
  return Animating;
}

void CanvasView::SetScrollMaxima(int pageWidth, int pageHeight, bool setLargeChangeAndEnable) {
  if (static_cast<float>(pageWidth * Zoom) > SceneWidth) {
    Hs1.Max = RoundToInt16(pageWidth * Zoom - SceneWidth);
    if (setLargeChangeAndEnable) {
      Hs1.LargeChange = Hs1.Max;
      Hs1.Enabled = true;
    }
  }
  if (static_cast<float>(pageHeight * Zoom) > SceneHeight) {
    Vs1.Max = RoundToInt16(pageHeight * Zoom - SceneHeight);
    if (setLargeChangeAndEnable) {
      Vs1.LargeChange = Vs1.Max;
      Vs1.Enabled = true;
    }
  }
}

void CanvasView::ZoomIn(int pageWidth, int pageHeight) {
  Zooming = true;
  OriginalSizePressed = false;
  Zoom += Zoom < 1 ? 0.2 : 2.0;
  if (Zoom >= MaxZoom) {
    ZoomInEnabled = false;
    Zoom = MaxZoom;
    Zooming = false;
    return;
  }
  if (Zoom > 0) ZoomOutEnabled = true;
  SetScrollMaxima(pageWidth, pageHeight, true);
  Hs1.Value = Hs1.Max / 2;
  Vs1.Value = Vs1.Max / 2;
  Zooming = false;
}

void CanvasView::ZoomOut(int pageWidth, int pageHeight) {
  Zooming = true;
  OriginalSizePressed = false;
  ZoomInEnabled = true;
  if (Zoom > 0 && Zoom < 2) {
    if (RoundToDecimals(Zoom, 2) == 0.2) {
      ZoomOutEnabled = false;
      Zooming = false;
      return;
    }
    Zoom -= 0.2;
  } else {
    // Subtracting 2 from zooms just above 2 (2.0 after Zoom In stops at 20, or a fit zoom) would
    // leave nothing visible; land on 1:1, the top of the fine ladder, instead.
    Zoom = Zoom - 2 < 0.2 ? 1.0 : Zoom - 2;
    SetScrollMaxima(pageWidth, pageHeight, false);
  }
  Hs1.Value = Hs1.Max / 2;
  Vs1.Value = Vs1.Max / 2;
  if (pageWidth * Zoom < SceneWidth) Hs1.Enabled = false;
  if (pageHeight * Zoom < SceneHeight) Vs1.Enabled = false;
  Zooming = false;
}

void CanvasView::ToggleOriginalSize(int pageWidth, int pageHeight, bool& pageSizeChanged) {
  OriginalSizePressed = !OriginalSizePressed;
  if (OriginalSizePressed) {
    SavedView = {Zoom, Hs1.Value, Vs1.Value, Hs1.Max, Vs1.Max, Hs1.Enabled, Vs1.Enabled};
    Hs1.Enabled = pageWidth > SceneWidth;
    Vs1.Enabled = pageHeight > SceneHeight;
    Hs1.Value = Hs1.Max / 2;
    Vs1.Value = Vs1.Max / 2;
    ZoomStep = Zoom >= 1 ? 3.0f : -0.3f;
    Zoom = 1.0;
    return;
  }
  if (SavedView.Zoom == 1.0 || pageSizeChanged) {
    double fit = pageHeight < pageWidth ? double(SceneWidth - 4) / pageWidth
                                        : double(SceneHeight - 4) / pageHeight;
    fit = RoundToDecimals(fit, 1);
    if (fit > MaxZoom) fit = MaxZoom;
    // A canvas smaller than the page would give 0; keep the smallest zoom the ladder knows.
    if (fit < 0.2) fit = 0.2;
    SavedView = {fit, 5, 5, 10, 10, false, false};
    pageSizeChanged = false;
  }
  if (SavedView.Zoom == 1.0) return;
  Hs1.Max = SavedView.HScrollMax;
  Vs1.Max = SavedView.VScrollMax;
  Hs1.Value = SavedView.HScrollValue;
  Vs1.Value = SavedView.VScrollValue;
  Hs1.LargeChange = Hs1.Max;
  Vs1.LargeChange = Vs1.Max;
  Hs1.Enabled = SavedView.HScrollEnabled;
  Vs1.Enabled = SavedView.VScrollEnabled;
  ZoomStep = SavedView.Zoom >= 1 ? -3.0f : 0.3f;
  Zoom = SavedView.Zoom;
}

void CanvasView::Resize(int sceneWidth, int sceneHeight, int pageWidth, int pageHeight) {
  SceneWidth = sceneWidth;
  SceneHeight = sceneHeight;
  auto fit = [&](ScrollBarModel& bar, int page, int scene) {
    if (static_cast<float>(page * Zoom) < scene) {
      bar.Enabled = false;
      return;
    }
    bar.Enabled = true;
    bar.Max = RoundToInt16(page * Zoom - scene);
    bar.Value = bar.Max / 2;
    bar.LargeChange = bar.Max;
  };
  fit(Hs1, pageWidth, sceneWidth);
  fit(Vs1, pageHeight, sceneHeight);
}

QPoint CanvasView::PageOrigin(double shownWidth, double shownHeight) const {
  return QPoint(RoundHalfEven(Hs1.Fraction() * (SceneWidth - shownWidth)),
                RoundHalfEven(Vs1.Fraction() * (SceneHeight - shownHeight)));
}

void CanvasView::DrawPageBackground(QPainter& surface, int left, float top, int width, int height,
                                    ARGB background) const {
  const int z2 = RoundHalfEven(Zoom) / 2;
  const QRectF page(left, top, width, height);
  if (background != 0) {
    surface.fillRect(page, QColor::fromRgba(background));
  } else {
    surface.fillRect(page, Qt::white);
    // Squares start at offsets up to and including width/height and may reach 4 pixels past it;
    // the overflow is trimmed below, as the squares drawn one by one would be.
    QBrush checker(CheckerTile());
    checker.setTransform(QTransform::fromTranslate(left, top));
    surface.fillRect(QRectF(left, top, width + 5, height + 5), checker);
  }
  const QColor grey = QColor::fromRgba(kCanvasGrey);
  surface.fillRect(QRectF(left + width - z2, top, 20, height), grey);
  surface.fillRect(QRectF(left, top + height - z2, width - z2 + 20, 20), grey);
}

void CanvasView::PlaceSelectionFrame(const IconLayer* selected, int pageWidth, int pageHeight) {
  if (!selected) return;
  const double fx = Hs1.Fraction();
  const double fy = Vs1.Fraction();
  SelectedShape.Rect =
      QRect(RoundHalfEven(selected->Bounds.X * Zoom + fx * (SceneWidth - pageWidth * Zoom)),
            RoundHalfEven(selected->Bounds.Y * Zoom + fy * (SceneHeight - pageHeight * Zoom)),
            RoundHalfEven(selected->Bounds.Width * Zoom),
            RoundHalfEven(selected->Bounds.Height * Zoom));
}

void CanvasView::RenderCanvas(QPainter& surface, const QImage& composite, ARGB background,
                              const IconLayer* selected, float opacity) {
  surface.save();
  surface.setCompositionMode(QPainter::CompositionMode_SourceOver);
  surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
  surface.setRenderHint(QPainter::Antialiasing, false);
  surface.fillRect(QRect(0, 0, SceneWidth, SceneHeight), QColor::fromRgba(kCanvasGrey));
  if (composite.isNull()) {
    surface.restore();
    return;
  }
  const int pageWidth = composite.width();
  const int pageHeight = composite.height();
  const int g = RoundHalfEven(pageWidth * Zoom);
  const int h = RoundHalfEven(pageHeight * Zoom);
  const QPoint origin = PageOrigin(g, h);
  const int z2 = RoundHalfEven(Zoom) / 2;
  DrawPageBackground(surface, origin.x(), origin.y(), g + z2, h + z2, background);
  surface.setPen(QPen(QColor::fromRgba(MakeARGB(200, 0, 0, 0)), 1));
  surface.setBrush(Qt::NoBrush);
  surface.drawRect(QRect(origin.x() - 1, origin.y() - 1, g + 1, h + 1));
  DrawImageWithOpacity(surface, composite, opacity, origin.x(), origin.y(), g, h, 0, 0, pageWidth,
                       pageHeight);
  surface.restore();
  PlaceSelectionFrame(selected, pageWidth, pageHeight);
  SelectedShape.Visible = selected && selected->Visible;
}
