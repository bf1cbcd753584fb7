#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/ProfileFile.h"
#include "platform/ProfileText.h"
#include "tests/platform/FileText.h"
#include "tests/support/TempDir.h"

using namespace Platform;

TEST(ProfileFile, ReadsWithTheClassicRules) {
  TestSupport::TempDir dir;
  const std::string file = dir.Folder() + "LineInfo.Dat";
  std::ofstream(file, std::ios::binary) << "Count=9\r\n"
                                           "[Line Info]\r\n"
                                           "  Count Machine = 4 \r\n"
                                           "count machine=5\r\n"
                                           "Alias=\"SMT A\"\r\n"
                                           "Hours Per Day=24h\r\n"
                                           "Bad=x12\r\n"
                                           "Empty=\r\n"
                                           "Negative=-7\r\n"
                                           "Hex=0x1F\r\n"
                                           "; Hidden=1\r\n"
                                           "[line info]\r\n"
                                           "Late=1\r\n";
  EXPECT_EQ(ReadProfileInt(file, "LINE INFO", "count machine", 1), 4);  // first match wins
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Hours Per Day", 1), 24);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Bad", 1), 0);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Empty", 1), 1);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Negative", 1), -7);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Hex", 1), 31);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Hidden", 1), 1);
  EXPECT_EQ(ReadProfileInt(file, "Line Info", "Count", 1), 1);  // a line outside every section
  EXPECT_EQ(ReadProfileString(file, "Line Info", "Alias", "-"), "SMT A");
  EXPECT_EQ(ReadProfileString(file, "Line Info", "Empty", "-"), "");
  EXPECT_EQ(ReadProfileString(file, "Line Info", "Late", "-"),
            "1");  // a repeated section is one section
  EXPECT_EQ(ReadProfileString(file, "No Such", "Alias", "-"), "-");
  EXPECT_EQ(ReadProfileString(dir.Folder() + "lineinfo.dat", "Line Info", "Alias", "-"), "SMT A");
  EXPECT_EQ(ReadProfileString(dir.Folder() + "missing.dat", "Line Info", "Alias", "-"), "-");
  EXPECT_EQ(ReadProfileInt(dir.Folder() + "missing.dat", "Line Info", "Count Machine", 7), 7);

  const auto lines = ReadProfileSection(file, "line info");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Count Machine=4");
  EXPECT_EQ(lines[2], "Alias=\"SMT A\"");
  EXPECT_EQ(lines[8], "Late=1");
  EXPECT_TRUE(ReadProfileSection(file, "Placement Files").empty());
}

TEST(ProfileFile, ALongValueReadsWhole) {
  TestSupport::TempDir dir;
  const std::string file = dir.Folder() + "long.ini";
  const std::string value(3000, 'v');
  ASSERT_TRUE(WriteProfileString(file, "S", "Long", value));
  EXPECT_EQ(ReadProfileString(file, "S", "Long", ""), value);
  EXPECT_EQ(ReadProfileSection(file, "S").at(0), "Long=" + value);
}

TEST(ProfileFile, WritesKeepTheRestOfTheFile) {
  TestSupport::TempDir dir;
  const std::string file = dir.Folder() + "LineInfo.Dat";
  const std::string original =
      "; made by hand\r\n"
      "[Line Info]\r\n"
      "Count Machine = 4\r\n"
      "Alias=A\r\n"
      "\r\n"
      "[Placement Files]\r\n"
      "WidgetA=40\r\n";
  std::ofstream(file, std::ios::binary) << original;

  ASSERT_TRUE(WriteProfileString(file, "line info", "COUNT MACHINE", "6"));
  ASSERT_TRUE(WriteProfileString(file, "Line Info", "Hours Per Day", "24"));
  ASSERT_TRUE(WriteProfileString(file, "Placement Files", "WidgetB", "12"));
  ASSERT_TRUE(WriteProfileString(file, "NICK NAME", "M1", "Feeder"));
  EXPECT_EQ(TestSupport::FileText(file),
            "; made by hand\r\n"
            "[Line Info]\r\n"
            "Count Machine=6\r\n"
            "Alias=A\r\n"
            "Hours Per Day=24\r\n"
            "\r\n"
            "[Placement Files]\r\n"
            "WidgetA=40\r\n"
            "WidgetB=12\r\n"
            "[NICK NAME]\r\n"
            "M1=Feeder\r\n");
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
  EXPECT_EQ(files, 2);  // the file and its lock file
}

TEST(ProfileFile, WritesMakeTheFileAndKeepItsLineEnds) {
  TestSupport::TempDir dir;
  const std::string made = dir.Folder() + "new.ini";
  ASSERT_TRUE(WriteProfileString(made, "S", "K", "line1\nline2"));
  EXPECT_EQ(TestSupport::FileText(made), "[S]\r\nK=line1 line2\r\n");

  const std::string unix = dir.Folder() + "unix.ini";
  std::ofstream(unix, std::ios::binary) << "[S]\nA=1";  // no final line break
  ASSERT_TRUE(WriteProfileString(unix, "S", "B", "2"));
  EXPECT_EQ(TestSupport::FileText(unix), "[S]\nA=1\nB=2\n");

  EXPECT_FALSE(WriteProfileString(dir.Folder() + "no/such/folder.ini", "S", "K", "V"));
}

TEST(ProfileText, SettingAValueIsAPureTextChange) {
  EXPECT_EQ(SetProfileValue("", "S", "K", "V"), "[S]\r\nK=V\r\n");
  EXPECT_EQ(SetProfileValue("[S]", "s", "K", "V"), "[S]\r\nK=V\r\n");
  EXPECT_EQ(SetProfileValue("[S]\n; c\n[T]\n", "S", "K", "V"), "[S]\nK=V\n; c\n[T]\n");
  EXPECT_EQ(SetProfileValue("[S]\nNoEquals\n", "S", "noequals", " V "), "[S]\nNoEquals=V\n");
}
