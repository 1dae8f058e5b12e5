// The stored window definitions: every custom control's properties, with its pictures as PNG
// strips built from the pictures drawn beside this file.
#include <QFont>
#include <QStringList>

#include "artwork.h"
#include "controls/cls_toolbar.h"
#include "controls/form_definition.h"

namespace {

constexpr int kPanelBack = 245 | (246 << 8) | (247 << 16);  // OLE colour of RGB 245, 246, 247

struct Bar {
  QString Name;
  int Direction;
  int Style;
  int IconSize;
  QStringList Buttons;   // definition strings
  QStringList Pictures;  // one per button, "1" for a separator's empty cell
  QList<QStringList> Items;
};

QByteArray Strip(const QDir& root, const QString& folder, const QStringList& files, int w, int h) {
  ClsToolbar strip;
  strip.GetImageSize(w, h);
  for (const QString& f : files) {
    strip.SaveToStream(f == QStringLiteral("1") ? f : root.filePath(folder + f));
  }
  QByteArray png;
  strip.QuitSaveStream(png);
  return png;
}

PropertyBag BarBag(const QDir& root, const Bar& bar) {
  PropertyBag bag;
  bag.WriteBool(QStringLiteral("ENB"), true);
  bag.WriteInt32(QStringLiteral("BackColor"), kPanelBack);
  bag.WriteInt16(QStringLiteral("STY"), bar.Style);
  bag.WriteInt16(QStringLiteral("DEC"), bar.Direction);
  bag.WriteInt16(QStringLiteral("BC"), static_cast<int>(bar.Buttons.size()));
  bag.WriteInt16(QStringLiteral("ISW"), bar.IconSize);
  bag.WriteInt16(QStringLiteral("ISH"), bar.IconSize);
  QFont font(QStringLiteral("Verdana"));
  font.setPointSizeF(9);
  bag.WriteFont(QStringLiteral("FONT"), font);
  bag.WriteInt32(QStringLiteral("FCOL"), 0);
  bag.WriteString(QStringLiteral("FILE"), bar.Pictures.join(QLatin1Char(',')));
  bag.WriteBytes(QStringLiteral("IMG"),
                 Strip(root, QStringLiteral("toolbar/"), bar.Pictures, bar.IconSize, bar.IconSize));
  for (int i = 0; i < bar.Buttons.size(); ++i) {
    bag.WriteString(QStringLiteral("BUTA%1").arg(i), bar.Buttons[i]);
    const QStringList items = i < bar.Items.size() ? bar.Items[i] : QStringList();
    for (int j = 0; j < items.size(); ++j) {
      bag.WriteString(QStringLiteral("MUTA%1%2").arg(i * 10).arg(j), items[j]);
    }
  }
  return bag;
}

QList<Bar> MainBars() {
  return {
      {QStringLiteral("ToolBarvs1"),
       0,
       0,
       32,
       {"1,Y,New,,New,0,-1,0", "2,Y,,,Open,0,-1,0", "3,Y,,,Import,0,0,0", "4,Y,,,Save,0,0,0",
        "5,1,,,,0,-1,0", "6,Y,,,Undo,0,0,0", "7,Y,,,Redo,0,0,0", "8,1,,,,0,-1,0",
        "9,Y,,,Zoom In,0,0,0", "10,Y,,,Zoom Out,0,0,0", "11,Y,Original Size,,Original Size,1,0,1",
        "12,1,,,,0,-1,0", "13,Y,Website,,Website,0,-1,0"},
       {"New.png", "Open.png", "Import.png", "Save.png", "1", "Undo.png", "Redo.png", "1",
        "ZoomIn.png", "ZoomOut.png", "OriginalSize.png", "1", "Website.png"},
       {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {"1,Original Size,,1,1"}}},
      {QStringLiteral("ToolBarvs2"),
       1,
       2,
       16,
       {"1,Y,,,Move tool,1,-1,0", "2,Y,,,Selection tool,1,-1,0", "3,1,,,,1,-1,0",
        "4,Y,,,Pencil tool,1,-1,0", "5,Y,,,Line tool,1,-1,0", "6,Y,,,Ellipse tool,1,-1,0",
        "7,Y,,,Filled Ellipse tool,1,-1,0", "8,Y,,,Rectangle tool,1,-1,0",
        "9,Y,,,Filled Rectangle tool,1,-1,0", "10,1,,,,1,-1,0", "11,Y,,1,Color Pick tool,1,-1,0",
        "12,Y,,1,Erase tool,1,-1,0"},
       {"Move.png", "Selection.png", "1", "Pencil.png", "Line.png", "Ellipse.png",
        "FilledEllipse.png", "Rectangle.png", "FilledRectangle.png", "1", "ColorPick.png",
        "Erase.png"},
       {}},
      {QStringLiteral("ToolBarvs3"),
       0,
       0,
       16,
       {"1,Y,,,Solid,0,-1,0", "2,Y,,,Horizontal Gradient,0,-1,0", "3,Y,,,Vertical Gradient,0,-1,0",
        "4,Y,,,Radial Gradient,0,-1,0"},
       {"Solid.png", "HorizontalGradient.png", "VerticalGradient.png", "RadialGradient.png"},
       {}},
      {QStringLiteral("ToolBarvs4"),
       0,
       0,
       16,
       {"1,Y,,,Import Icon...,0,-1,0", "2,Y,,,Remove Layer,0,-1,0", "3,Y,,,Hide Layer,0,-1,0",
        "4,1,,,,0,-1,0", "5,Y,,,Set Order,0,-1,0", "6,Y,Merge Down,,Merge Down,0,-1,0"},
       {"LayerAdd.png", "LayerDel.png", "Eye.png", "1", "Layerorder.png", "Layerunion.png"},
       {}},
      {QStringLiteral("ToolBarvs5"),
       0,
       0,
       16,
       {"1,Y,,,Rectangle Selection,0,-1,0", "2,Y,,,Ellipse Selection,0,-1,0",
        "3,Y,,,Polygon Selection,0,-1,0"},
       {"RectangleSelection.png", "EllipseSelection.png", "PolygonSelection.png"},
       {}},
      {QStringLiteral("ToolBarvs6"),
       0,
       0,
       16,
       {"1,Y,,,Brush Eraser,0,-1,0", "2,Y,,,Pencil Eraser,0,-1,0"},
       {"BrushEraser.png", "PencilEraser.png"},
       {}},
  };
}

PropertyBag TitleBag(const QString& title) {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("Title"), title);
  bag.WriteInt32(QStringLiteral("Color"), kPanelBack);
  bag.WriteInt32(QStringLiteral("FontColor"), 0x404040);
  bag.WriteFloat(QStringLiteral("FontSize"), 8.25f);
  bag.WriteBool(QStringLiteral("CloseVisible"), true);
  return bag;
}

PropertyBag SliderBag(const QDir& root, int min, int max, int value, bool enabled) {
  PropertyBag bag;
  bag.WriteInt16(QStringLiteral("MaxValue"), max);
  bag.WriteInt16(QStringLiteral("MinValue"), min);
  bag.WriteInt16(QStringLiteral("Value"), value);
  bag.WriteBool(QStringLiteral("Enabled"), enabled);
  bag.WriteString(QStringLiteral("ScrollImage"), QStringLiteral("SliderThumb.png"));
  bag.WriteBytes(QStringLiteral("IMG"), Strip(root, QStringLiteral("controls/"),
                                              {QStringLiteral("SliderThumb.png")}, 13, 9));
  return bag;
}

PropertyBag BoxBag(const QString& caption, int min, int max, int value) {
  PropertyBag bag;
  bag.WriteInt32(QStringLiteral("ScrollStyle"), 0);
  bag.WriteBool(QStringLiteral("NoCaption"), caption.isEmpty());
  bag.WriteString(QStringLiteral("NormalCaption"), caption);
  bag.WriteInt32(QStringLiteral("ScrollType"), 1);
  bag.WriteInt16(QStringLiteral("CaptionFontsize"), 8);
  bag.WriteString(QStringLiteral("CaptionFont"), QStringLiteral("Tahoma"));
  bag.WriteInt32(QStringLiteral("ColorValue"), value);
  bag.WriteInt32(QStringLiteral("MaxValue"), max);
  bag.WriteInt32(QStringLiteral("MinValue"), min);
  bag.WriteBool(QStringLiteral("Enabled"), true);
  return bag;
}

PropertyBag CaptionBag(const QDir& root, const QString& text, int oleColor) {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("Caption"), text);
  bag.WriteString(QStringLiteral("TipImage"), QStringLiteral("CaptionTip.png"));
  bag.WriteString(QStringLiteral("FontName"), QStringLiteral("Verdana"));
  bag.WriteFloat(QStringLiteral("FontSize"), 8.25f);
  bag.WriteInt32(QStringLiteral("ForeColor"), oleColor);
  bag.WriteBool(QStringLiteral("DisplayImage"), false);
  bag.WriteBytes(QStringLiteral("IMG"), Strip(root, QStringLiteral("controls/"),
                                              {QStringLiteral("CaptionTip.png")}, 20, 20));
  return bag;
}

PropertyBag PictureBag(const QDir& root, const QString& file, int size) {
  PropertyBag bag;
  bag.WriteInt32(QStringLiteral("iWidth"), size);
  bag.WriteInt32(QStringLiteral("iHeight"), size);
  bag.WriteString(QStringLiteral("ImageFile"), file);
  bag.WriteBytes(QStringLiteral("IMG"),
                 Strip(root, QStringLiteral("pictures/"), {file}, size, size));
  return bag;
}

PropertyBag TipsBag(int direction) {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("TipString"), QString());
  bag.WriteInt16(QStringLiteral("Direction"), direction);
  return bag;
}

constexpr int kGrey = 0x808080;
constexpr int kDarkGrey = 0x404040;

FormDefinition MainForm(const QDir& root) {
  FormDefinition form(QStringLiteral("mForm"));
  for (const Bar& bar : MainBars()) form.SetControl(bar.Name, BarBag(root, bar));
  const QStringList titles = {"Icon Opacity", "HUE/Saturation", "Icon Resize",
                              "Properties",   "Layer",          "Icon Filter"};
  for (int i = 0; i < titles.size(); ++i) {
    form.SetControl(QStringLiteral("CtlTitle%1").arg(i + 1), TitleBag(titles[i]));
  }
  form.SetControl(QStringLiteral("CtlScroll21"), SliderBag(root, 0, 100, 0, false));
  form.SetControl(QStringLiteral("HUEscroll"), SliderBag(root, 0, 100, 0, false));
  form.SetControl(QStringLiteral("SaturationScroll"), SliderBag(root, 0, 100, 40, false));
  form.SetControl(QStringLiteral("BrightnessScroll"), SliderBag(root, 0, 100, 50, false));
  form.SetControl(QStringLiteral("ContrastScroll"), SliderBag(root, 0, 100, 50, false));
  form.SetControl(QStringLiteral("ScaleScroll"), SliderBag(root, 0, 100, 50, false));
  form.SetControl(QStringLiteral("ColorOpacity"), SliderBag(root, 0, 100, 100, true));
  form.SetControl(QStringLiteral("CtlScroll22"), SliderBag(root, 1, 100, 100, true));
  form.SetControl(QStringLiteral("CtlScroll23"), SliderBag(root, 1, 100, 20, true));
  form.SetControl(QStringLiteral("CtlScroll1"), BoxBag(QString(), 5, 255, 48));
  form.SetControl(QStringLiteral("CtlScroll2"), BoxBag(QString(), 5, 255, 48));
  form.SetControl(QStringLiteral("LineWidth"), BoxBag(QString(), 1, 255, 1));
  form.SetControl(QStringLiteral("Label1(1)"),
                  CaptionBag(root,
                             QStringLiteral("Using the mouse drag and drop to adjust the opacity "
                                            "of the selected icon."),
                             kGrey));
  form.SetControl(QStringLiteral("Label1(3)"),
                  CaptionBag(root,
                             QStringLiteral("Using the mouse drag and drop to adjust the size of "
                                            "the selected icon."),
                             kGrey));
  form.SetControl(QStringLiteral("CtlTips1"), TipsBag(0));
  form.SetControl(QStringLiteral("CtlTips2"), TipsBag(1));
  form.SetControl(QStringLiteral("CtlImageStore1"),
                  PictureBag(root, QStringLiteral("Board.png"), 48));
  return form;
}

FormDefinition PageForm(const QDir& root) {
  FormDefinition form(QStringLiteral("FrmPage"));
  form.SetControl(QStringLiteral("CtlScroll1"), BoxBag(QString(), 5, 255, 48));
  form.SetControl(QStringLiteral("CtlScroll2"), BoxBag(QString(), 5, 255, 48));
  form.SetControl(
      QStringLiteral("CtlCaptions1"),
      CaptionBag(root, QStringLiteral("Import the icon width and height you wish."), kGrey));
  return form;
}

FormDefinition PromptForm(const QDir& root) {
  FormDefinition form(QStringLiteral("FrmPrompt"));
  form.SetControl(
      QStringLiteral("CtlCaptions2"),
      CaptionBag(root,
                 QStringLiteral("Save Icon Document? \nSave the icon document as LUMX format? "
                                "You can open and continue editing the icon document next time."),
                 kDarkGrey));
  form.SetControl(
      QStringLiteral("CtlCaptions1"),
      CaptionBag(root,
                 QStringLiteral("What's LUMX format? \nThe LUMX format is Glyphsmithy software "
                                "document. Glyphsmithy's native format, stores an image with "
                                "support for most imaging options available in Glyphsmithy."),
                 kGrey));
  form.SetControl(QStringLiteral("CtlImageStore1"),
                  PictureBag(root, QStringLiteral("Information.png"), 38));
  return form;
}

FormDefinition IconForm(const QDir& root) {
  FormDefinition form(QStringLiteral("FormIcon"));
  PropertyBag strip;
  strip.WriteInt32(QStringLiteral("Color"), 16119285);
  form.SetControl(QStringLiteral("CtlIconLoad1"), strip);
  form.SetControl(QStringLiteral("CtlCaptions1"),
                  CaptionBag(root,
                             QStringLiteral("An icon can include several image formats, choose a "
                                            "image format you want."),
                             kGrey));
  return form;
}

FormDefinition GifForm(const QDir& root) {
  FormDefinition form(QStringLiteral("FrmGIF"));
  form.SetControl(QStringLiteral("CtlScroll1"), BoxBag(QString(), 0, 150, 130));
  form.SetControl(QStringLiteral("CtlCaptions1"),
                  CaptionBag(root,
                             QStringLiteral("You can input a new transparent value if you not "
                                            "satisfactory current transparent result."),
                             kGrey));
  return form;
}

}  // namespace

bool WriteForms(const QDir& root) {
  if (!root.mkpath(QStringLiteral("forms"))) return false;
  const struct {
    const char* File;
    FormDefinition Form;
  } forms[] = {{"mform.json", MainForm(root)},
               {"frmpage.json", PageForm(root)},
               {"frmprompt.json", PromptForm(root)},
               {"formicon.json", IconForm(root)},
               {"frmgif.json", GifForm(root)}};
  for (const auto& f : forms) {
    if (!f.Form.Save(root.filePath(QStringLiteral("forms/") + QLatin1String(f.File)))) {
      return false;
    }
  }
  return true;
}
