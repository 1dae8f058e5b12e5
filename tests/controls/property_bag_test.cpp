#include "controls/property_bag.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTemporaryDir>

#include "controls/form_definition.h"

namespace {

PropertyBag ThroughJson(const PropertyBag& bag) {
  return PropertyBag::FromJson(
      QJsonDocument::fromJson(QJsonDocument(bag.ToJson()).toJson()).object());
}

TEST(PropertyBag, KeysIgnoreCaseAndWritingReplacesAnySpelling) {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("TipString"), QStringLiteral("a"));
  bag.WriteString(QStringLiteral("TIPSTRING"), QStringLiteral("b"));
  EXPECT_EQ(bag.Keys(), QStringList{QStringLiteral("TIPSTRING")});
  EXPECT_EQ(bag.ReadString(QStringLiteral("tipstring"), QString()), QStringLiteral("b"));
  EXPECT_FALSE(bag.ReadString(QStringLiteral("Other")).has_value());
}

TEST(PropertyBag, NumbersConvertBetweenStoredTypes) {
  const struct {
    double stored;
    std::optional<int> asInt16;
  } cases[] = {{8.25, 8},
               {8.5, 8},
               {9.5, 10},
               {-2.5, -2},
               {32767, 32767},
               {32768, std::nullopt},
               {-32769, std::nullopt}};
  for (const auto& c : cases) {
    PropertyBag bag;
    bag.WriteFloat(QStringLiteral("FontSize"), static_cast<float>(c.stored));
    EXPECT_EQ(bag.ReadInt16(QStringLiteral("fontsize")), c.asInt16) << c.stored;
  }
  PropertyBag bag;
  bag.WriteInt16(QStringLiteral("DEC"), 1);
  EXPECT_FLOAT_EQ(*bag.ReadFloat(QStringLiteral("DEC")), 1.0f);
  bag.WriteBool(QStringLiteral("ENB"), true);
  EXPECT_EQ(bag.ReadInt16(QStringLiteral("ENB")), -1);  // stored booleans are -1
  bag.WriteInt32(QStringLiteral("Flag"), -1);
  EXPECT_EQ(bag.ReadBool(QStringLiteral("Flag")), true);
  bag.WriteString(QStringLiteral("Text"), QStringLiteral("abc"));
  EXPECT_FALSE(bag.ReadInt32(QStringLiteral("Text")).has_value());
}

TEST(PropertyBag, BytesFontsAndColoursSurviveJson) {
  PropertyBag bag;
  const QByteArray bytes("\x89PNG\0\xff", 6);
  bag.WriteBytes(QStringLiteral("IMG"), bytes);
  QFont font(QStringLiteral("Verdana"));
  font.setPointSizeF(9);
  font.setBold(true);
  bag.WriteFont(QStringLiteral("FONT"), font);
  bag.WriteInt32(QStringLiteral("BackColor"), static_cast<int>(0x80000012u));
  const PropertyBag back = ThroughJson(bag);
  EXPECT_EQ(back.ReadBytes(QStringLiteral("img")), bytes);
  const QFont f = *back.ReadFont(QStringLiteral("Font"));
  EXPECT_EQ(f.family(), QStringLiteral("Verdana"));
  EXPECT_DOUBLE_EQ(f.pointSizeF(), 9.0);
  EXPECT_TRUE(f.bold());
  EXPECT_EQ(static_cast<uint32_t>(*back.ReadInt32(QStringLiteral("BackColor"))), 0x80000012u);
}

TEST(PropertyBag, MalformedValuesFailOneByOne) {
  const QByteArray json = R"({"IMG": "@@not base64@@", "FONT": {"Name": "", "Size": 9},
                              "BC": 3})";
  const PropertyBag bag = PropertyBag::FromJson(QJsonDocument::fromJson(json).object());
  EXPECT_FALSE(bag.ReadBytes(QStringLiteral("IMG")).has_value());
  EXPECT_FALSE(bag.ReadFont(QStringLiteral("FONT")).has_value());
  EXPECT_EQ(bag.ReadInt16(QStringLiteral("BC"), 0), 3);
}

TEST(FormDefinition, StoredWindowsLoadFromResources) {
  const struct {
    const char* path;
    const char* name;
    QStringList controls;
  } forms[] = {
      {":/forms/mform.json",
       "mForm",
       {"ToolBarvs1", "ToolBarvs2", "ToolBarvs3", "ToolBarvs4", "ToolBarvs5", "ToolBarvs6",
        "CtlTitle1", "CtlTitle6", "CtlScroll21", "HUEscroll", "ScaleScroll", "CtlScroll22",
        "CtlScroll1", "CtlTips1", "CtlTips2", "CtlImageStore1"}},
      {":/forms/frmpage.json", "FrmPage", {"CtlScroll1", "CtlScroll2", "CtlCaptions1"}},
      {":/forms/frmprompt.json", "FrmPrompt", {"CtlCaptions1", "CtlCaptions2", "CtlImageStore1"}},
      {":/forms/formicon.json", "FormIcon", {"CtlIconLoad1", "CtlCaptions1"}},
      {":/forms/frmgif.json", "FrmGIF", {"CtlScroll1", "CtlCaptions1"}},
  };
  for (const auto& f : forms) {
    QString error;
    const auto form = FormDefinition::Load(QString::fromLatin1(f.path), &error);
    ASSERT_TRUE(form.has_value()) << f.path << ": " << error.toStdString();
    EXPECT_EQ(form->Name(), QLatin1String(f.name));
    for (const QString& c : f.controls) {
      EXPECT_TRUE(form->HasControl(c.toLower())) << f.path << " " << c.toStdString();
      EXPECT_FALSE(form->Control(c).IsEmpty()) << c.toStdString();
    }
  }
}

TEST(FormDefinition, SaveAndLoadRoundTripAndBadInputIsRefused) {
  QTemporaryDir dir;
  FormDefinition form(QStringLiteral("FrmTest"));
  PropertyBag bag;
  bag.WriteString(QStringLiteral("Title"), QStringLiteral("Layer"));
  bag.WriteBytes(QStringLiteral("IMG"), QByteArray(300, '\x7f'));
  form.SetControl(QStringLiteral("CtlTitle5"), bag);
  const QString path = dir.filePath(QStringLiteral("f.json"));
  ASSERT_TRUE(form.Save(path));
  const auto back = FormDefinition::Load(path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Control(QStringLiteral("ctltitle5")).ReadString(QStringLiteral("title")),
            QStringLiteral("Layer"));
  EXPECT_EQ(back->Control(QStringLiteral("CtlTitle5")).ReadBytes(QStringLiteral("IMG")),
            QByteArray(300, '\x7f'));
  EXPECT_TRUE(back->Control(QStringLiteral("Missing")).IsEmpty());

  QString error;
  EXPECT_FALSE(FormDefinition::FromJson("{\"Form\": ", &error).has_value());
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(FormDefinition::FromJson("[1, 2]").has_value());
  EXPECT_FALSE(FormDefinition::Load(dir.filePath(QStringLiteral("none.json"))).has_value());
}

}  // namespace
