// Saving a chart as a picture and a table as text, rich text or
// comma-separated text, through the main window's save dialog and directly.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/platform/FileText.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/TableFile.h"
#include "viewer/shell/TableForm.h"

using namespace Kordex;

namespace {

// The rows another program's CSV reader finds in a file, one line each, cells
// joined by "|"; "" when python3 cannot read it.
std::string CsvRows(const std::filesystem::path& file) {
  const std::string command =
      "python3 -c \"import csv,sys; "
      "[print('|'.join(r)) for r in csv.reader(open(sys.argv[1],newline='',encoding='utf-8'))]\" "
      "'" +
      file.string() + "' 2>/dev/null";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    pclose(pipe);
  }
  return out;
}

}  // namespace

class ChildWindowSave : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    StartMainWindow(dir.Folder());
    responder->Messages.clear();  // the start's word on a data directory without lines
    chart = mainForm->CreateNewChartForm();
    chart->SetCaption("Efficiency By Date For Line 1");
    table = mainForm->CreateNewTableForm(*chart);
    table->TableText.SetText("A\tB\r\n1,5\t\"x\"");
  }
  void SaveTableAs(const std::string& name) {
    responder->FileAnswers.push_back(name);
    mainForm->SaveTable(*table);
  }

  TestSupport::TempDir dir;
  std::shared_ptr<ChartForm> chart;
  std::shared_ptr<TableForm> table;
};

TEST_F(ChildWindowSave, ChartAsBitmap) {
  Dravex::Graph& graph = *chart->PRDGraph.Object();
  graph.AddSeries("Efficiency", Dravex::SeriesStyleType::BarGraph);
  for (int v : {70, 82, 91}) graph.AddValue(Runtime::Variant("Efficiency"), Runtime::Variant(v));
  graph.LocalDraw(true);
  graph.Draw();

  responder->FileAnswers.push_back(std::nullopt);  // cancelled
  mainForm->SaveChart(*chart);
  ASSERT_EQ(responder->FileRequests.size(), 1u);
  EXPECT_EQ(responder->FileRequests[0].Title, "Save Chart As");
  EXPECT_EQ(responder->FileRequests[0].Filter, "Bitmap (*.bmp)|*.bmp");
  EXPECT_EQ(responder->FileRequests[0].Flags, 0x80802);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

  const std::string file = dir.Folder() + "x.bmp";
  responder->FileAnswers.push_back(file);
  mainForm->SaveChart(*chart);
  QImage picture;
  ASSERT_TRUE(picture.load(QString::fromStdString(file), "BMP"));
  EXPECT_GT(picture.width(), 100);
  EXPECT_TRUE(responder->Messages.empty());

  responder->FileAnswers.push_back(dir.Folder() + "missing/x.bmp");
  mainForm->SaveChart(*chart);
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title.back(), '!');
  EXPECT_TRUE(chart->IsLoaded());
}

TEST_F(ChildWindowSave, TableByExtension) {
  SaveTableAs(dir.Folder() + "x.csv");
  ASSERT_EQ(responder->FileRequests.size(), 1u);
  EXPECT_EQ(responder->FileRequests[0].Title, "Save Table As");
  EXPECT_EQ(responder->FileRequests[0].Filter,
            "Text (*.TXT)|*.TXT|Rich Text Format (*.RTF)|*.RTF|Comma Delimeted File (*.CSV)|*.CSV");
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "x.csv"), "A,B\r\n\"1,5\",\"\"\"x\"\"\"\r\n");
  if (std::system("python3 -c pass >/dev/null 2>&1") == 0) {
    EXPECT_EQ(CsvRows(dir.Path() / "x.csv"), "A|B\n1,5|\"x\"\n");
  }
  table->TableText.SetText("\xC9t\xE9\t1\n2");  // Windows-1252 inside, UTF-8 in the file
  SaveTableAs(dir.Folder() + "x.TXT");
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "x.TXT"), "\xC3\x89t\xC3\xA9\t1\r\n2\r\n");
  SaveTableAs(dir.Folder() + "x.rtf");
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "x.rtf"), table->TableText.TextRTF() + "\r\n");
  EXPECT_TRUE(responder->Messages.empty());

  responder->FileAnswers.push_back(std::nullopt);
  mainForm->SaveTable(*table);
  EXPECT_TRUE(responder->Messages.empty());
}

TEST_F(ChildWindowSave, TableOfUnknownTypeOrUnwritable) {
  for (const std::string name : {"x.", "x.doc", "x.txt.bak"}) {
    SaveTableAs(dir.Folder() + name);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / name)) << name;
  }
  ASSERT_EQ(responder->Messages.size(), 3u);
  EXPECT_EQ(responder->Messages[0].Title, "Unknown File Type!");
  EXPECT_NE(responder->Messages[0].Prompt.find(".CSV"), std::string::npos);

  // A file standing where the folder should be: nothing can be written there.
  ShellTestSupport::WriteFile(dir.Path() / "plain", "");
  SaveTableAs(dir.Folder() + "plain/x.txt");
  ASSERT_EQ(responder->Messages.size(), 4u);
  EXPECT_EQ(responder->Messages[3].Title, "Save Error!");
  EXPECT_TRUE(table->IsLoaded());
}

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
