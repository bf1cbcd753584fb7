#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/Error.h"
#include "tests/support/TempDir.h"
#include "viewer/shell/TableFile.h"

using namespace Kordex;

namespace {

std::string ReadBack(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(ChildWindowTableFile, TypeComesFromTheFileNameOnly) {
  EXPECT_EQ(TableFileTypeOf("/a/x.TXT"), TableFileType::Text);
  EXPECT_EQ(TableFileTypeOf("/a/x.rtf"), TableFileType::RichText);
  EXPECT_EQ(TableFileTypeOf("/a/x.Csv"), TableFileType::CommaSeparated);
  EXPECT_EQ(TableFileTypeOf("/a/x.doc"), TableFileType::Unknown);
  EXPECT_EQ(TableFileTypeOf("/a/x"), TableFileType::Unknown);
  EXPECT_EQ(TableFileTypeOf("/a/my.reports/x"), TableFileType::Unknown);
  EXPECT_EQ(TableFileTypeOf("/a/my.csv/x"), TableFileType::Unknown);
}

TEST(ChildWindowTableFile, CommaSeparatedCellsAreQuotedWhenTheyMustBe) {
  EXPECT_EQ(CommaSeparatedText("A\tB\r\n1,5\t\"x\""), "A,B\r\n\"1,5\",\"\"\"x\"\"\"\r\n");
  EXPECT_EQ(CommaSeparatedText("a\t\tb\nc\r"), "a,,b\r\nc\r\n");
  EXPECT_EQ(CommaSeparatedText(""), "");
}

TEST(ChildWindowTableFile, WritesEachTypeAndRefusesAnUnknownOne) {
  TestSupport::TempDir dir;
  const std::string plain = "Date\tEfficiency\nLundi \xE9t\xE9\t1,234.50";
  WriteTableFile(dir.Folder() + "x.TXT", TableFileType::Text, plain, "{\\rtf1 x}");
  EXPECT_EQ(ReadBack(dir.Path() / "x.TXT"),
            "Date\tEfficiency\r\nLundi \xC3\xA9t\xC3\xA9\t1,234.50\r\n");
  WriteTableFile(dir.Folder() + "x.rtf", TableFileType::RichText, plain, "{\\rtf1 x}");
  EXPECT_EQ(ReadBack(dir.Path() / "x.rtf"), "{\\rtf1 x}\r\n");
  WriteTableFile(dir.Folder() + "x.csv", TableFileType::CommaSeparated, plain, "");
  EXPECT_EQ(ReadBack(dir.Path() / "x.csv"),
            "Date,Efficiency\r\nLundi \xC3\xA9t\xC3\xA9,\"1,234.50\"\r\n");
  EXPECT_THROW(WriteTableFile(dir.Folder() + "y.doc", TableFileType::Unknown, plain, ""),
               Runtime::Error);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "y.doc"));
  EXPECT_THROW(WriteTableFile(dir.Folder() + "none/x.txt", TableFileType::Text, plain, ""),
               Runtime::Error);
}
