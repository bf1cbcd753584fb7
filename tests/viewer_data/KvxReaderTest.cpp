#include <gtest/gtest.h>

#include "runtime/Collection.h"
#include "tests/support/TempDir.h"
#include "tests/viewer_data/DataFiles.h"
#include "viewer/data/modKVX.h"

using namespace Kordex;
using DataTest::CrLf;

namespace {

// A reader over the given text, positioned at its start.
KvxReader ReaderOver(std::string_view text) {
  KvxReader reader;
  reader.OpenBytes(text);
  return reader;
}

void ReadLines(KvxReader& reader, int count) {
  for (int i = 0; i < count; ++i) reader.ReadLine();
}

std::vector<Runtime::Variant> Elements(const Runtime::Variant& array) {
  std::vector<Runtime::Variant> out;
  for (const Runtime::Variant& v : *array.ObjectAs<Runtime::Collection>()) out.push_back(v);
  return out;
}

const std::string Sample = CrLf({
    "[Totals]",                                                       // 1
    "\t[Errors]",                                                     // 2
    "\t\t@DEFINE,Errors,#Code,$Name",                                 // 3
    "\t\t1,100,\"Pick-up Error\"",                                    // 4
    "\t\t2,101,\"Vision, Error\"",                                    // 5
    "\t[END errors]",                                                 // 6
    "[END Totals]",                                                   // 7
    "[Head Data]",                                                    // 8
    "  @DEFINE,Head,#Head Number,#Spindle Number,#Total*,#Errors()",  // 9
    "  1,2,5,1200,3,0,1",                                             // 10
    "[END Head Data]",                                                // 11
    "[Run Time Data]",                                                // 12
    "@DEFINE,Board,$Attribute,#Value",                                // 13
    "1,\"TOTAL\",120",                                                // 14
    "[END Run Time Data]",                                            // 15
});

}  // namespace

TEST(KvxReader, SectionsOpenAndCloseByName) {
  KvxReader reader = ReaderOver(CrLf({"[Outer]", "\t[ Inner ]", "[END OUTER]", "[end inner]",
                                      "[END Nothing]", "[END Outer]", "[END Outer]", "[Outer]"}));
  reader.ReadLine();
  reader.ReadLine();
  EXPECT_EQ(reader.SectionPath(), "\\Outer\\Inner");
  EXPECT_EQ(reader.State().TableName, "0");
  EXPECT_TRUE(reader.State().NewBlock);
  reader.ReadLine();  // names the outer section: ignored
  EXPECT_EQ(reader.SectionPath(), "\\Outer\\Inner");
  reader.ReadLine();  // the innermost, in other letter case: closes it
  EXPECT_EQ(reader.SectionPath(), "\\Outer");
  ReadLines(reader, 3);  // "END Nothing" ignored, Outer closed, then nothing open
  EXPECT_EQ(reader.SectionPath(), "\\");
  EXPECT_EQ(reader.State().Depth(), 0);
  reader.ReadLine();  // the same name opens again
  EXPECT_EQ(reader.SectionPath(), "\\Outer");
  reader.ReadLine();
  EXPECT_EQ(reader.State().Status, KvxStatusEndOfFile);
  EXPECT_EQ(reader.SectionPath(), "\\Outer");
}

TEST(KvxReader, PositionsCountBytesOfTheFileOneBased) {
  // "[A]\r\n" is 5 bytes; "@DEFINE,T,$X\r\n" 14.
  KvxReader reader = ReaderOver("[A]\r\n@DEFINE,T,$X\r\n1,\"x\"\r\n");
  reader.ReadLine();
  EXPECT_EQ(reader.State().SectionStart, 6);
  reader.ReadLine();
  EXPECT_EQ(reader.State().TableStart, 20);
  EXPECT_EQ(reader.Position(), 20);
}

TEST(KvxReader, LineEndsOfOtherSystemsAndTabsAndBlanks) {
  KvxReader reader = ReaderOver("[A]\n\t @DEFINE , T , $X\t\r  1 ,\t\"a b\" \r\n");
  reader.ReadLine();
  reader.ReadLine();
  EXPECT_EQ(reader.State().TableName, "T");
  ASSERT_EQ(reader.State().ColumnCount(), 1);
  EXPECT_EQ(reader.State().Columns[0].Name, "X");
  reader.ReadLine();
  EXPECT_EQ(reader.State().Line, "1 ,\"a b\"");
  EXPECT_EQ(reader.ParseValues("x"), Runtime::Variant("a b"));
  reader.ReadLine();
  EXPECT_TRUE(reader.AtEnd());
}

TEST(KvxReader, DefinitionLinesMakeTypedMarkedAndArrayColumns) {
  KvxReader reader = ReaderOver(
      CrLf({"@define,Feeder,#Total,$Part Number,Plain,#Errors()*,#Odd*(),,#Lost", "@DEFINE"}));
  reader.ReadLine();
  const KvxReaderState& s = reader.State();
  EXPECT_EQ(s.TableName, "Feeder");
  ASSERT_EQ(s.ColumnCount(), 5);  // the empty field ends the columns
  EXPECT_EQ(s.Columns[0].ColumnType, 0);
  EXPECT_EQ(s.Columns[1].ColumnType, 1);
  EXPECT_EQ(s.Columns[1].Name, "Part Number");
  EXPECT_EQ(s.Columns[2].ColumnType, 2);
  EXPECT_EQ(s.Columns[2].Name, "Plain");
  EXPECT_EQ(s.Columns[3].Name, "Errors");
  EXPECT_TRUE(s.Columns[3].IsArray);
  EXPECT_TRUE(s.Columns[3].Starred);
  EXPECT_EQ(s.Columns[4].Name, "Odd*");
  EXPECT_TRUE(s.Columns[4].IsArray);
  EXPECT_FALSE(s.Columns[4].Starred);
  EXPECT_EQ(reader.FindColumn("ERRORS"), 4);
  EXPECT_EQ(reader.FindColumn("Lost"), 0);
  reader.ReadLine();  // a definition without a name
  EXPECT_EQ(reader.State().TableName, "");
  EXPECT_EQ(reader.State().ColumnCount(), 0);
}

TEST(KvxReader, DataLineValues) {
  KvxReader reader = ReaderOver(CrLf({
      "@DEFINE,T,$Name,#Count,#Rest()",
      "x,\"Vision, Error\",12abc,1,2,,3",
      "x,\"",
      " \t \t ",
      "x,abc,1 2",
      "x,\"a\",7",
  }));
  ReadLines(reader, 2);
  EXPECT_EQ(reader.ParseValues("name"), Runtime::Variant("Vision, Error"));
  EXPECT_EQ(reader.ParseValues("Count"), Runtime::Variant(12.0));
  EXPECT_EQ(Elements(reader.ParseValues("Rest")),
            (std::vector<Runtime::Variant>{Runtime::Variant(1.0), Runtime::Variant(2.0)}));
  EXPECT_TRUE(reader.ParseValues("Missing").IsEmpty());
  reader.ReadLine();  // a lone quote is an empty text, missing fields are 0
  EXPECT_EQ(reader.ParseValues("Name"), Runtime::Variant(""));
  EXPECT_EQ(reader.ParseValues("Count"), Runtime::Variant(0.0));
  EXPECT_TRUE(Elements(reader.ParseValues("Rest")).empty());
  reader.ReadLine();  // blanks and TABs only: a data line of zeros
  EXPECT_EQ(reader.State().Line, "");
  EXPECT_EQ(reader.ParseValues("Name"), Runtime::Variant(0.0));
  reader.ReadLine();  // unquoted text reads as a number
  EXPECT_EQ(reader.ParseValues("Name"), Runtime::Variant(0.0));
  EXPECT_EQ(reader.ParseValues("Count"), Runtime::Variant(12.0));
}

TEST(KvxReader, SearchFindsTablesInTheirSections) {
  KvxReader reader = ReaderOver(Sample);
  ASSERT_TRUE(reader.FindSection("\\Totals\\Errors", "errors", KvxFromCurrentLine));
  EXPECT_FALSE(reader.State().NewBlock);
  EXPECT_EQ(reader.Position(), reader.State().TableStart);
  reader.ReadLine();
  EXPECT_EQ(reader.ParseValues("Name"), Runtime::Variant("Pick-up Error"));
  // A search whose table was just defined succeeds without reading.
  KvxReader again = ReaderOver(Sample);
  ReadLines(again, 9);
  const int32_t before = again.Position();
  EXPECT_TRUE(again.FindSection("\\HEAD DATA", "Head", KvxFromCurrentLine));
  EXPECT_EQ(again.Position(), before);
  // Wildcards.
  KvxReader wild = ReaderOver(Sample);
  EXPECT_TRUE(wild.FindSection("\\Run*", "B?ard", KvxFromCurrentLine));
  EXPECT_EQ(wild.State().TableName, "Board");
}

TEST(KvxReader, FailedSearchLeavesTheReaderWhereItStood) {
  KvxReader reader = ReaderOver(Sample);
  ASSERT_TRUE(reader.FindSection("\\Head Data", "Head", KvxFromCurrentLine));
  reader.ReadLine();
  const KvxReaderState before = reader.State();
  const int32_t position = reader.Position();
  // Errors stands before Head: passed, so the search reads to the end and fails...
  EXPECT_FALSE(reader.FindSection("\\Totals\\Errors", "Errors", KvxFromCurrentLine));
  // ...and leaves everything as it was, so the later table is still found.
  EXPECT_EQ(reader.Position(), position);
  EXPECT_EQ(reader.State().Status, KvxStatusNormal);
  EXPECT_EQ(reader.State().Line, before.Line);
  EXPECT_EQ(reader.State().Sections, before.Sections);
  EXPECT_EQ(reader.State().TableName, "Head");
  EXPECT_EQ(reader.ParseValues("Total"), Runtime::Variant(1200.0));
  EXPECT_TRUE(reader.FindSection("\\Run Time Data", "Board", KvxFromCurrentLine));
}

TEST(KvxReader, EndOfFileIsStickyUntilReset) {
  KvxReader reader = ReaderOver(Sample);
  while (!reader.AtEnd()) reader.ReadLine();
  const std::string last = reader.State().Line;
  reader.ReadLine();
  EXPECT_EQ(reader.State().Line, last);
  EXPECT_EQ(reader.State().TableName, "0");
  EXPECT_FALSE(reader.FindSection("\\Run Time Data", "Board", KvxFromCurrentLine));
  EXPECT_FALSE(reader.FindSection("*", "*", KvxFromSectionStart));
  EXPECT_TRUE(reader.FindSection("\\Run Time Data", "Board", KvxFromFileStart));
  EXPECT_EQ(reader.State().Status, KvxStatusNormal);
}

TEST(KvxReader, SearchAtTheEndDoesNotFindTheLastTableAgain) {
  // The table's data runs to the end of the file: a search for it again must
  // fail, or a reader that repeats a search while it succeeds never stops.
  KvxReader reader = ReaderOver(CrLf({"[S]", "@DEFINE,T,$A", "1,\"x\""}));
  ASSERT_TRUE(reader.FindSection("\\S", "T", KvxFromCurrentLine));
  ReadLines(reader, 2);
  ASSERT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.FindSection("\\S", "T", KvxFromCurrentLine));
}

TEST(KvxReader, SearchesFromSectionAndTableStart) {
  KvxReader reader = ReaderOver(Sample);
  ASSERT_TRUE(reader.FindSection("\\Totals\\Errors", "Errors", KvxFromCurrentLine));
  ReadLines(reader, 2);
  // From the table's start, keeping the columns: the same table again.
  ASSERT_TRUE(reader.FindSection("\\Totals\\Errors", "Errors", KvxFromTableStart));
  reader.ReadLine();
  EXPECT_EQ(reader.ParseValues("Code"), Runtime::Variant(100.0));
  // From the section's start: the columns go and the definition is read again.
  ASSERT_TRUE(reader.FindSection("\\Totals\\Errors", "Errors", KvxFromSectionStart));
  EXPECT_EQ(reader.State().ColumnCount(), 2);
  // From the file's start: a table already passed is found again.
  ReadLines(reader, 6);
  EXPECT_TRUE(reader.FindSection("\\Totals\\Errors", "Errors", KvxFromFileStart));
  reader.ReadLine();
  EXPECT_EQ(reader.ParseValues("Name"), Runtime::Variant("Pick-up Error"));
}

TEST(KvxReader, ModuleReaderOverAFile) {
  TestSupport::TempDir dir;
  EXPECT_FALSE(OpenKvxFile((dir.Path() / "missing.KVX").string()));
  EXPECT_EQ(GetKvxState().FileNumber, 0);
  EXPECT_FALSE(FindKvxSection("\\A", "T", KvxFromCurrentLine));

  const std::string file = DataTest::WriteFile(dir.Path() / "a.KVX", Sample);
  ASSERT_TRUE(OpenKvxFile(file));
  EXPECT_NE(GetKvxState().FileNumber, 0);
  ASSERT_TRUE(FindKvxSection("\\Head Data", "Head", KvxFromCurrentLine));
  ReadKvxLine();
  const Runtime::Variant errors = ParseKvxValues("Errors");
  EXPECT_EQ(Elements(errors),
            (std::vector<Runtime::Variant>{Runtime::Variant(3.0), Runtime::Variant(0.0),
                                           Runtime::Variant(1.0)}));
  ResetKvxReader();
  EXPECT_EQ(GetKvxState().Depth(), 0);
  EXPECT_EQ(GetKvxState().TableName, "");
  CloseKvxFile();
  EXPECT_EQ(GetKvxState().FileNumber, 0);
}
