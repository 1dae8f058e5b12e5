#include "apply_ops.h"

#include <QRegularExpression>

#include <functional>
#include <map>

#include "core/commands/adjustment_commands.h"
#include "core/commands/effect_commands.h"
#include "core/commands/layer_commands.h"
#include "core/commands/layer_sliders.h"
#include "core/commands/menu_states.h"
#include "core/commands/style_commands.h"

namespace {

// What an OP needs to run; an empty text means it can run.
using Check = std::function<QString(const IconDocument&)>;
using Action = std::function<bool(IconDocument&, DrawingColors&)>;

struct PlainOp {
  Check check;
  Action action;
};

const QString kFull = QStringLiteral("the document holds the most layers it can");

QString NeedsLayer(const IconDocument& doc) {
  return doc.Selected() ? QString() : QStringLiteral("no layer is selected");
}

QString NeedsVisibleLayer(const IconDocument& doc) {
  if (!doc.Selected()) return NeedsLayer(doc);
  return doc.Selected()->Visible ? QString() : QStringLiteral("the selected layer is hidden");
}

QString NeedsEditableLayer(const IconDocument& doc) {
  const QString reason = NeedsVisibleLayer(doc);
  if (!reason.isEmpty()) return reason;
  return doc.Selected()->ClipAbove ? QStringLiteral("the selected layer is an IOS tile")
                                   : QString();
}

QString NeedsAnyLayer(const IconDocument& doc) {
  return doc.LayerCount() > 0 ? QString() : QStringLiteral("the document has no layers");
}

// The order moves run from the Edit menu or the layer tool bar's order menu; either needs a
// visible layer with room to move that way.
Check OrderCheck(bool down) {
  return [down](const IconDocument& doc) {
    const QString reason = NeedsVisibleLayer(doc);
    if (!reason.isEmpty()) return reason;
    if (down && doc.SelectedLayer == 0) return QStringLiteral("the layer is already at the bottom");
    if (!down && doc.SelectedLayer == doc.LayerCount() - 1) {
      return QStringLiteral("the layer is already on top");
    }
    return QString();
  };
}

QString MergeCheck(const IconDocument& doc) {
  const QString reason = NeedsVisibleLayer(doc);
  if (!reason.isEmpty()) return reason;
  if (doc.SelectedLayer == 0) return QStringLiteral("there is no layer below to merge into");
  return doc.Layers[doc.SelectedLayer - 1].Visible ? QString()
                                                   : QStringLiteral("the layer below is hidden");
}

Action Plain(std::function<bool(IconDocument&)> command) {
  return [command](IconDocument& doc, DrawingColors&) { return command(doc); };
}

Action SetVisible(bool visible) {
  return [visible](IconDocument& doc, DrawingColors&) {
    return doc.Selected()->Visible == visible || LayerBarToggleVisible(doc);
  };
}

const std::map<QString, PlainOp>& PlainOps() {
  static const std::map<QString, PlainOp> ops = {
      {"new-layer",
       {[](const IconDocument& d) {
          return d.DocumentReady ? QString() : QStringLiteral("no document is open");
        },
        Plain(LayerBarNewLayer)}},
      {"delete", {NeedsLayer, Plain(LayerBarRemoveLayer)}},
      {"merge-down", {MergeCheck, Plain(CombineIcon)}},
      {"to-front", {OrderCheck(false), Plain([](IconDocument& d) {
                      return ChangeLayerOrder(d, LayerOrder::ToFront);
                    })}},
      {"to-back", {OrderCheck(true), Plain([](IconDocument& d) {
                     return ChangeLayerOrder(d, LayerOrder::ToBack);
                   })}},
      {"back-one", {OrderCheck(true), Plain([](IconDocument& d) {
                      return ChangeLayerOrder(d, LayerOrder::BackOne);
                    })}},
      {"forward-one", {OrderCheck(false), Plain([](IconDocument& d) {
                         return ChangeLayerOrder(d, LayerOrder::ForwardOne);
                       })}},
      {"flip-horizontal", {NeedsEditableLayer, Plain([](IconDocument& d) {
                             return FlipRotateLayer(d, FlipRotate::FlipHorizontal);
                           })}},
      {"flip-vertical", {NeedsEditableLayer, Plain([](IconDocument& d) {
                           return FlipRotateLayer(d, FlipRotate::FlipVertical);
                         })}},
      {"rotate-cw", {NeedsEditableLayer, Plain([](IconDocument& d) {
                       return FlipRotateLayer(d, FlipRotate::Rotate90CW);
                     })}},
      {"rotate-ccw", {NeedsEditableLayer, Plain([](IconDocument& d) {
                        return FlipRotateLayer(d, FlipRotate::Rotate90CWW);
                      })}},
      {"hide", {NeedsLayer, SetVisible(false)}},
      {"show", {NeedsLayer, SetVisible(true)}},
      {"crystal", {NeedsVisibleLayer, Plain(ApplyCrystalStyle)}},
      {"origami-vertical",
       {NeedsVisibleLayer,
        [](IconDocument& d, DrawingColors& c) { return ApplyOrigamiStyle(d, 1, c); }}},
      {"origami-horizontal",
       {NeedsVisibleLayer,
        [](IconDocument& d, DrawingColors& c) { return ApplyOrigamiStyle(d, 2, c); }}},
      {"ios",
       {NeedsVisibleLayer, [](IconDocument& d, DrawingColors& c) { return ApplyIosStyle(d, c); }}},
      {"irradiation", {NeedsVisibleLayer, Plain(ApplyIrradiation)}},
      {"mac", {NeedsVisibleLayer, Plain(ApplyMacStyle)}},
      {"vista", {NeedsVisibleLayer, Plain(ApplyVistaStyle)}},
      {"blur", {NeedsVisibleLayer, Plain(ApplyBlur)}},
      {"sharpen", {NeedsVisibleLayer, Plain(ApplySharpen)}},
      {"reflection", {NeedsVisibleLayer, Plain(ApplyReflection)}},
      {"shade", {NeedsVisibleLayer, Plain(ApplyShade)}},
      {"drop-shadow", {NeedsVisibleLayer, Plain(ApplyDropShadow)}},
      {"disabled", {NeedsAnyLayer, Plain(ApplyDisabledState)}},
      {"hot", {NeedsAnyLayer, Plain(ApplyHotState)}},
      {"undo",
       {[](const IconDocument& d) {
          return d.CanUndo() ? QString() : QStringLiteral("there is nothing to undo");
        },
        Plain([](IconDocument& d) {
          d.Undo();
          return true;
        })}},
      {"redo",
       {[](const IconDocument& d) {
          return d.CanRedo() ? QString() : QStringLiteral("there is nothing to redo");
        },
        Plain([](IconDocument& d) {
          d.Redo();
          return true;
        })}},
  };
  return ops;
}

bool Fail(QString* error, const QString& message) {
  if (error) *error = message;
  return false;
}

bool ParsePosition(const QString& text, int* value) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
  if (!digits.match(text).hasMatch()) return false;
  *value = text.toInt();
  return *value <= 100;
}

bool ParseColor(const QString& text, ARGB* value) {
  static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{8}$"));
  if (!hex.match(text).hasMatch()) return false;
  *value = text.toUInt(nullptr, 16);
  return true;
}

bool ParsePage(const QString& text, int* width, int* height) {
  static const QRegularExpression size(QStringLiteral("^([0-9]{1,3})x([0-9]{1,3})$"));
  const QRegularExpressionMatch m = size.match(text);
  if (!m.hasMatch()) return false;
  *width = m.captured(1).toInt();
  *height = m.captured(2).toInt();
  const auto inRange = [](int side) { return side >= 1 && side <= IconDocument::kMaxPageSide; };
  return inRange(*width) && inRange(*height);
}

// One press, one change to `position`, one release of a right-panel slider.
bool DragSlider(IconDocument& doc, const QString& name, int position) {
  if (name == "opacity") {
    if (!OpacitySliderPressed(doc)) return false;
    OpacitySliderChanged(doc, position);
    OpacitySliderReleased(doc);
    return true;
  }
  if (name == "resize") {
    if (!ScaleSliderPressed(doc)) return false;
    ScaleSliderChanged(doc, position);
    ScaleSliderReleased(doc);
    return true;
  }
  static const std::map<QString, AdjustmentSlider> adjustments = {
      {"hue", AdjustmentSlider::Hue},
      {"saturation", AdjustmentSlider::Saturation},
      {"brightness", AdjustmentSlider::Brightness},
      {"contrast", AdjustmentSlider::Contrast},
  };
  const AdjustmentSlider slider = adjustments.at(name);
  if (!AdjustmentSliderPressed(doc, slider)) return false;
  AdjustmentSliderChanged(doc, slider, position);
  AdjustmentSliderReleased(doc, slider);
  return true;
}

bool IsSlider(const QString& name) {
  return name == "opacity" || name == "resize" || name == "hue" || name == "saturation" ||
         name == "brightness" || name == "contrast";
}

bool RunValued(IconDocument& doc, DrawingColors& colors, const QString& name, const QString& value,
               QString* error) {
  if (IsSlider(name)) {
    int position = 0;
    if (!ParsePosition(value, &position)) {
      return Fail(error, QStringLiteral("expects a slider position from 0 to 100"));
    }
    if (!doc.Selected()) return Fail(error, NeedsLayer(doc));
    return DragSlider(doc, name, position);
  }
  if (name == "select") {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const int index = digits.match(value).hasMatch() ? value.toInt() : -1;
    if (index < 0 || index >= doc.LayerCount()) {
      return Fail(
          error,
          doc.LayerCount() == 0
              ? QStringLiteral("the document has no layers")
              : QStringLiteral("expects a layer index from 0 to %1").arg(doc.LayerCount() - 1));
    }
    return SelectLayer(doc, index);
  }
  if (name == "color0" || name == "color1" || name == "background") {
    ARGB color = 0;
    if (!ParseColor(value, &color)) {
      return Fail(error, QStringLiteral("expects a colour as AARRGGBB (8 hex digits)"));
    }
    if (name == "background") {
      doc.BackgroundColor = color;
      doc.RebuildComposite(5, true);
    } else {
      colors.SwatchColors[name == "color0" ? 0 : 1] = color;
    }
    return true;
  }
  if (name == "page") {
    int width = 0, height = 0;
    if (!ParsePage(value, &width, &height)) {
      return Fail(error, QStringLiteral("expects WxH with each side from 1 to 512"));
    }
    doc.SetPageWidth(width);
    doc.SetPageHeight(height);
    return true;
  }
  if (name == "import") return Fail(error, QStringLiteral("import is run by the file layer"));
  return Fail(error, QStringLiteral("unknown operation"));
}

}  // namespace

DrawingColors& ApplyOpColors() {
  static DrawingColors colors;
  return colors;
}

bool RunApplyOp(IconDocument& doc, DrawingColors& colors, const QString& op, QString* error) {
  const qsizetype equals = op.indexOf(QLatin1Char('='));
  if (equals >= 0) return RunValued(doc, colors, op.left(equals), op.mid(equals + 1), error);
  const auto it = PlainOps().find(op);
  if (it == PlainOps().end()) {
    return Fail(error, IsSlider(op) || op == "select" || op == "page" || op.startsWith("color") ||
                               op == "background"
                           ? QStringLiteral("expects a value: %1=VALUE").arg(op)
                           : QStringLiteral("unknown operation"));
  }
  const QString reason = it->second.check(doc);
  if (!reason.isEmpty()) return Fail(error, reason);
  if (!it->second.action(doc, colors)) return Fail(error, kFull);
  return true;
}

bool RunApplyOp(IconDocument& doc, const QString& op, QString* error) {
  return RunApplyOp(doc, ApplyOpColors(), op, error);
}
