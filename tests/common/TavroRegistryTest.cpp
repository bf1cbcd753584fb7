#include <gtest/gtest.h>

#include <fstream>

#include "common/TavroRegistry.h"
#include "platform/RegistryStore.h"
#include "tests/platform/SettingsFolder.h"
#include "tests/support/Raised.h"

using namespace Common;
using Runtime::Variant;

namespace {

// The type and data the store holds for a value of the machine root.
struct Stored {
  int32_t rc;
  uint32_t type;
  std::vector<uint8_t> data;
};

Stored StoredValue(const std::string& keyPath, const std::string& name) {
  Stored s{Platform::RegResult::NotFound, 0, {}};
  Platform::RegKey key = 0;
  if (Platform::RegOpenKey(Platform::MachineRoot, keyPath, Platform::RegAccess::Read, key) != 0)
    return s;
  s.rc = Platform::RegQueryValue(key, name, s.type, s.data);
  Platform::RegCloseKey(key);
  return s;
}

}  // namespace

TEST(TavroRegistry, ChoosesTheStoredTypeByTheNumericTest) {
  TestSupport::SettingsFolder folder;
  const std::string path = "Software\\Tavro\\TavroKordex\\Preferences";
  struct Case {
    const char* name;
    Variant value;
    uint32_t type;
    std::vector<uint8_t> data;
  } cases[] = {
      {"Text 12", Variant("12"), 4, Platform::NumberData(12)},
      {"Two and a half", Variant(2.5), 4, Platform::NumberData(2)},
      {"Three and a half", Variant(3.5), 4, Platform::NumberData(4)},
      {"True", Variant(true), 4, Platform::NumberData(static_cast<uint32_t>(-1))},
      {"Words", Variant("Panel Count\r\n<CP>"), 1, Platform::TextData("Panel Count\r\n<CP>")},
      {"Empty text", Variant(""), 1, Platform::TextData("")},
  };
  for (const auto& c : cases) {
    SaveRegSetting("TavroKordex", "Preferences", c.name, c.value);
    const Stored s = StoredValue(path, c.name);
    EXPECT_EQ(s.type, c.type) << c.name;
    EXPECT_EQ(s.data, c.data) << c.name;
  }
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Text 12", Variant(int16_t{0})),
            Variant(int32_t{12}));
  EXPECT_EQ(GetRegSetting("tavrokordex", "PREFERENCES", "words", Variant()),
            Variant("Panel Count\r\n<CP>"));
  EXPECT_EQ(TestSupport::Raised(
                [] { SaveRegSetting("TavroKordex", "Preferences", "Big", Variant(3e9)); }),
            Runtime::ErrorNumber::Overflow);
}

TEST(TavroRegistry, EmptyMissingAndOddValuesGiveTheDefault) {
  TestSupport::SettingsFolder folder;
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Missing", Variant("d")), Variant("d"));
  SaveRegSetting("TavroKordex", "Preferences", "Empty text", Variant(""));
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Empty text", Variant("d")), Variant("d"));
  SaveRegSetting("TavroKordex", "Preferences", "Zero", Variant(int16_t{0}));
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Zero", Variant("d")), Variant(int32_t{0}));

  std::ofstream(Platform::RegistryFile(Platform::MachineRoot), std::ios::app)
      << "[Software\\Tavro\\TavroKordex\\Preferences]\n"
         "\"Expandable\"=hex(2):25,00\n"
         "\"Multi\"=hex(7):61,00,00\n"
         "\"Logo\"=hex:01,02\n";
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Expandable", Variant("d")), Variant("d"));
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Multi", Variant("d")), Variant("d"));
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Logo", Variant("d")),
            Variant(std::vector<uint8_t>{1, 2}));
}

TEST(TavroRegistry, AnEmptySectionStoresUnderTheApplicationKey) {
  TestSupport::SettingsFolder folder;
  EXPECT_EQ(BuildKeyPath("TavroKordex", ""), "Software\\Tavro\\TavroKordex");
  EXPECT_EQ(BuildKeyPath("TavroKordex", "Charts\\CompWastage"),
            "Software\\Tavro\\TavroKordex\\Charts\\CompWastage");
  SaveRegSetting("TavroKordex", "", "Direct", Variant("x"));
  EXPECT_EQ(StoredValue("Software\\Tavro\\TavroKordex", "Direct").data, Platform::TextData("x"));
}

TEST(TavroRegistry, LowerRoutinesAnswerResultCodes) {
  TestSupport::SettingsFolder folder;
  WriteRegValue("Software\\Tavro\\T", "Blob", Variant(std::vector<uint8_t>{9, 8}), 3);
  WriteRegValue("Software\\Tavro\\T", "Other", Variant("x"), 2);  // another type writes nothing
  EXPECT_EQ(ReadRegValue("Software\\Tavro\\T", "Blob"), Variant(std::vector<uint8_t>{9, 8}));
  EXPECT_EQ(ReadRegValue("Software\\Tavro\\T", "Other"), Variant());
  EXPECT_EQ(ReadRegValue("Software\\Tavro\\Missing", "Blob"), Variant());

  Platform::RegKey key = 0;
  ASSERT_EQ(Platform::RegOpenKey(Platform::MachineRoot, "Software\\Tavro\\T",
                                 Platform::RegAccess::Read, key),
            0);
  Variant result("kept");
  EXPECT_EQ(QueryRegValue(static_cast<int32_t>(key), "Missing", result),
            Platform::RegResult::NotFound);
  EXPECT_EQ(result, Variant("kept"));
  Platform::RegCloseKey(key);
}

TEST(TavroRegistry, AFailedWriteRaisesNothing) {
  TestSupport::SettingsFolder folder;
  TestSupport::TempDir blocked;
  std::ofstream((blocked.Path() / "file").string()) << "x";
  setenv("TAVRO_CONFIG_DIR", (blocked.Path() / "file" / "sub").c_str(), 1);
  EXPECT_NO_THROW(
      SaveRegSetting("TavroKordex", "Preferences", "Update Interval", Variant(int16_t{5})));
  EXPECT_EQ(GetRegSetting("TavroKordex", "Preferences", "Update Interval", Variant("d")),
            Variant("d"));
}
