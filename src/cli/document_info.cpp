#include "document_info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/icon_document.h"

namespace {

QJsonObject LayerJson(const IconLayer& l) {
  return QJsonObject{
      {"bounds", QJsonArray{l.Bounds.X, l.Bounds.Y, l.Bounds.Width, l.Bounds.Height}},
      {"imageWidth", l.ImageWidth},
      {"imageHeight", l.ImageHeight},
      {"opacity", static_cast<double>(l.Opacity)},
      {"visible", l.Visible},
      {"clipAbove", l.ClipAbove},
  };
}

QString Number(float v) { return QString::number(static_cast<double>(v), 'g', 9); }

}  // namespace

QString DescribeDocument(const IconDocument& doc, const std::vector<OfferedIcon>* icons,
                         bool json) {
  if (json) {
    QJsonObject o;
    o["page"] = QJsonObject{{"width", doc.PageWidth}, {"height", doc.PageHeight}};
    o["background"] = static_cast<qint64>(doc.BackgroundColor);
    o["selected"] = doc.SelectedLayer;
    QJsonArray layers;
    for (const IconLayer& l : doc.Layers) layers.append(LayerJson(l));
    o["layers"] = layers;
    if (icons) {
      QJsonArray offered;
      for (const OfferedIcon& i : *icons) {
        offered.append(QJsonObject{{"width", i.width}, {"height", i.height},
                                   {"bitCount", i.bitCount}});
      }
      o["iconImages"] = offered;
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + "\n";
  }
  QString text;
  text += QStringLiteral("page: %1 x %2\n").arg(doc.PageWidth).arg(doc.PageHeight);
  text += QStringLiteral("background: %1\n")
              .arg(QStringLiteral("%1").arg(doc.BackgroundColor, 8, 16, QChar('0')).toUpper());
  text += QStringLiteral("layers: %1 (bottom first)\n").arg(doc.LayerCount());
  for (int i = 0; i < doc.LayerCount(); ++i) {
    const IconLayer& l = doc.Layers[i];
    text += QStringLiteral("  %1%2: bounds (%3, %4, %5, %6), image %7 x %8, opacity %9, %10%11\n")
                .arg(i == doc.SelectedLayer ? "*" : " ")
                .arg(i)
                .arg(Number(l.Bounds.X), Number(l.Bounds.Y), Number(l.Bounds.Width),
                     Number(l.Bounds.Height))
                .arg(l.ImageWidth)
                .arg(l.ImageHeight)
                .arg(Number(l.Opacity))
                .arg(l.Visible ? "visible" : "hidden")
                .arg(l.ClipAbove ? ", clip-above" : "");
  }
  text += QStringLiteral("selected: %1\n").arg(doc.SelectedLayer);
  if (icons) {
    text += QStringLiteral("icon images offered: %1\n").arg(icons->size());
    for (size_t i = 0; i < icons->size(); ++i) {
      const OfferedIcon& icon = (*icons)[i];
      text += QStringLiteral("  %1: %2 x %3, %4 bits\n")
                  .arg(i).arg(icon.width).arg(icon.height).arg(icon.bitCount);
    }
  }
  return text;
}
