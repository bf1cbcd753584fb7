#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/IniFileFunctions.h"
#include "tests/support/TempDir.h"

using namespace Common;

TEST(IniFileFunctions, MissingFilesGiveDefaults) {
  TestSupport::TempDir dir;
  const std::string file = dir.Folder() + "Line1/LineInfo.Dat";
  EXPECT_EQ(ReadIniInt(file, "Line Info", "Count Machine", 1), 1);
  EXPECT_EQ(ReadIniString(file, "Line Info", "Alias", ""), "");
  EXPECT_EQ(ReadIniSection(file, "Placement Files")->Count(), 0);
  WriteIniString(file, "Line Info", "Count Machine",
                 Runtime::Variant(int16_t{4}));  // no folder: nothing
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Line1"));
}

TEST(IniFileFunctions, WritesMakeTheFileAndReadsFindItWhole) {
  TestSupport::TempDir dir;
  std::filesystem::create_directory(dir.Path() / "Line1");
  const std::string file = dir.Folder() + "Line1/LineInfo.Dat";
  WriteIniString(file, "Line Info", "Count Machine", Runtime::Variant(int16_t{4}));
  WriteIniString(file, "Line Info", "Hours Per Day", Runtime::Variant(22.5));
  const std::string longValue(3000, 'x');
  WriteIniString(file, "Placement Files", "WidgetA", Runtime::Variant(longValue));
  WriteIniString(file, "Placement Files", "WidgetB", Runtime::Variant("12"));

  EXPECT_EQ(ReadIniInt(dir.Folder() + "LINE1/lineinfo.dat", "line info", "count machine", 1), 4);
  EXPECT_EQ(ReadIniString(file, "Line Info", "Hours Per Day", ""), "22.5");
  EXPECT_EQ(ReadIniString(file, "Placement Files", "WidgetA", ""), longValue);
  const auto lines = ReadIniSection(file, "Placement Files");
  ASSERT_EQ(lines->Count(), 2);
  EXPECT_EQ(lines->Item(Runtime::Variant(int32_t{2})), Runtime::Variant("WidgetB=12"));
  EXPECT_EQ(ReadIniSection(file, "No Such Section")->Count(), 0);
}
