#include <gtest/gtest.h>

#include <fstream>

#include "platform/RegistryStore.h"
#include "platform/SettingsStore.h"
#include "tests/platform/SettingsFolder.h"

using namespace Platform;

TEST(SettingsStore, ReadsWritesAndDeletesKeysAndSections) {
  TestSupport::SettingsFolder folder;
  EXPECT_EQ(GetSetting("TavroKordex", "Initialise", "Production Line", "1"), "1");
  SaveSetting("TavroKordex", "Initialise", "Production Line", "3");
  EXPECT_EQ(GetSetting("tavrokordex", "INITIALISE", "production line", "1"), "3");

  SaveSetting("TavroKordex", "Date Macros", "Number", "2");
  SaveSetting("TavroKordex", "Date Macro\\1", "Name", "Week");
  SaveSetting("TavroKordex", "Date Macro\\1", "Date From", "Today()-7");
  SaveSetting("TavroKordex", "Date Macro\\1", "Date To", "");
  const auto all = GetAllSettings("TavroKordex", "Date Macro\\1");
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1], (std::pair<std::string, std::string>{"Date From", "Today()-7"}));
  EXPECT_EQ(GetSetting("TavroKordex", "Date Macro\\1", "Date To", "x"),
            "");  // stored empty is not missing

  DeleteSetting("TavroKordex", "Date Macro\\1", "Name");
  EXPECT_EQ(GetSetting("TavroKordex", "Date Macro\\1", "Name", "gone"), "gone");
  DeleteSetting("TavroKordex", "Date Macro\\1");
  EXPECT_TRUE(GetAllSettings("TavroKordex", "Date Macro\\1").empty());
  DeleteSetting("TavroKordex", "No Such Section");  // nothing to remove is no error
  EXPECT_EQ(GetSetting("TavroKordex", "Date Macros", "Number"), "2");
}

TEST(SettingsStore, TheLineControlFlagCanBeSetByHand) {
  TestSupport::SettingsFolder folder;
  SaveSetting("TavroKordex", "Help", "Manual Location", "/opt/manual/");
  std::ofstream(RegistryFile(UserRoot), std::ios::app)
      << "\n[Software\\Program Settings\\Vantrel\\MachineControl]\n\"PRDCount\"=dword:1\n";
  EXPECT_EQ(GetSetting("Vantrel", "MachineControl", "PRDCount", "0"), "1");
  SaveSetting("Vantrel", "MachineControl", "PRDCount", "0");
  EXPECT_EQ(GetSetting("Vantrel", "MachineControl", "PRDCount", "x"), "0");
  EXPECT_EQ(GetSetting("TavroKordex", "Help", "Manual Location"), "/opt/manual/");
}
