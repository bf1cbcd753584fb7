#include <gtest/gtest.h>

#include "platform/RegistryText.h"

using namespace Platform;

namespace {

const RegValue* ValueOf(RegistryDocument& doc, std::string_view key, std::string_view name) {
  RegistryKey* k = doc.Find(key);
  return k == nullptr ? nullptr : k->Find(name);
}

}  // namespace

TEST(RegistryText, WritesEveryTypeReadablyAndReadsItBack) {
  RegistryDocument doc;
  RegistryKey& key = doc.Make("Software\\Tavro\\TavroKordex\\Preferences");
  key.Entries.push_back(
      {true, {"Data Directory", RegType::Text, TextData("/srv/d\xe9j\xe0/\"x\"\n")}, {}});
  key.Entries.push_back(
      {true, {"Update Interval", RegType::Number, NumberData(static_cast<uint32_t>(-5))}, {}});
  key.Entries.push_back({true, {"Logo", RegType::Binary, {0x01, 0xff}}, {}});
  key.Entries.push_back({true, {"", RegType::ExpandableText, {0x25, 0x00}}, {}});
  key.Entries.push_back({true, {"No NUL", RegType::Text, {'a', 'b'}}, {}});

  const std::string text = FormatRegistryText(doc);
  EXPECT_EQ(text,
            "[Software\\Tavro\\TavroKordex\\Preferences]\n"
            "\"Data Directory\"=sz:\"/srv/d\xc3\xa9j\xc3\xa0/\\\"x\\\"\\n\"\n"
            "\"Update Interval\"=dword:-5\n"
            "\"Logo\"=hex:01,ff\n"
            "@=hex(2):25,00\n"
            "\"No NUL\"=hex(1):61,62\n");
  RegistryDocument back = ParseRegistryText(text);
  EXPECT_TRUE(back.Problems.empty());
  for (const auto& e : key.Entries) {
    const RegValue* v = ValueOf(back, "software\\TAVRO\\tavrokordex\\preferences", e.Value.Name);
    ASSERT_NE(v, nullptr) << e.Value.Name;
    EXPECT_EQ(*v, e.Value);
  }
}

TEST(RegistryText, AcceptsWhatAPersonOrAScriptWrites) {
  RegistryDocument doc = ParseRegistryText(
      "[Software\\Program Settings\\Vantrel\\MachineControl]\r\n"
      "\"PRDCount\"=sz:0\r\n"
      "  \"Plain\" = \"C:\\\\Data\"  \r\n"
      "\"Hex\"=dword:0x0000000c\n"
      "\"Raw\"=sz:C:\\Data\\Log\\\n"
      "# appended later by a script:\n"
      "[software\\program settings\\vantrel\\machinecontrol]\n"
      "\"prdcount\"=sz:1\n");
  EXPECT_TRUE(doc.Problems.empty());
  ASSERT_EQ(doc.Keys.size(), 1u);
  EXPECT_EQ(ValueOf(doc, "Software\\Program Settings\\Vantrel\\MachineControl", "PRDCount")->Data,
            TextData("1"));
  EXPECT_EQ(ValueOf(doc, "Software\\Program Settings\\Vantrel\\MachineControl", "Plain")->Data,
            TextData("C:\\Data"));
  EXPECT_EQ(
      NumberOf(ValueOf(doc, "Software\\Program Settings\\Vantrel\\MachineControl", "Hex")->Data),
      12u);
  EXPECT_EQ(ValueOf(doc, "Software\\Program Settings\\Vantrel\\MachineControl", "Raw")->Data,
            TextData("C:\\Data\\Log\\"));
  // The later value counts and takes the earlier one's place; nothing is repeated.
  const std::string text = FormatRegistryText(doc);
  EXPECT_EQ(text.find("PRDCount\"=sz:\"1\""), text.find("PRDCount"));
  EXPECT_EQ(text.find("prdcount"), std::string::npos);
}

TEST(RegistryText, KeepsDamagedLinesAndReadsTheRest) {
  const std::string damaged =
      "\"Orphan\"=sz:1\n"
      "[Software\\Tavro]\n"
      "\"Good\"=sz:\"1\"\n"
      "\"Broken=sz:\"x\n"
      "\"Bad\"=dword:12abc\n"
      "\"Big\"=dword:4294967296\n"
      "\"Good2\"=dword:7\n";
  RegistryDocument doc = ParseRegistryText(damaged);
  ASSERT_EQ(doc.Problems.size(), 4u);
  EXPECT_NE(doc.Problems[1].find("line 4"), std::string::npos);
  EXPECT_EQ(ValueOf(doc, "Software\\Tavro", "Good")->Data, TextData("1"));
  EXPECT_EQ(NumberOf(ValueOf(doc, "Software\\Tavro", "Good2")->Data), 7u);
  EXPECT_EQ(ValueOf(doc, "Software\\Tavro", "Bad"), nullptr);
  // Rewriting loses no one's text: the damaged lines stay where they were.
  const std::string text = FormatRegistryText(doc);
  for (const char* line : {"\"Orphan\"=sz:1", "\"Broken=sz:\"x", "\"Bad\"=dword:12abc"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(RegistryText, KeysExistWithTheirLevelsAndAreRemovedWithThem) {
  RegistryDocument doc = ParseRegistryText("[A\\B\\C]\n[A\\BC]\n[\\x\\\\y\\]\n");
  EXPECT_TRUE(doc.Exists("a\\b"));
  EXPECT_TRUE(doc.Exists("X\\Y"));
  EXPECT_FALSE(doc.Exists("A\\B\\C\\D"));
  EXPECT_TRUE(doc.Remove("a\\b"));
  EXPECT_FALSE(doc.Exists("A\\B"));
  EXPECT_TRUE(doc.Exists("A\\BC"));
  EXPECT_EQ(doc.Find("x\\y")->Path, "x\\y");
}
