// A window picked from the Reports menu becomes the one the commands act on;
// the save dialog's file type and folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "platform/gui/CommonDialog.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "tests/platform/FileText.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/TableForm.h"

using Kordex::ChartForm;
using Runtime::Variant;

class ReportPickAndSave : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    StartMainWindow(dir.Folder());
    responder->Messages.clear();  // the start's word on a data directory without lines
  }
  std::shared_ptr<ChartForm> ListedChart(const std::string& caption) {
    auto chart = mainForm->CreateNewChartForm();
    chart->SetCaption(caption);
    mainForm->AddToReportList(*chart);
    return chart;
  }
  void Click(const std::string& id) {
    mainForm->ToolBars_ToolClick(mainForm->ToolBars->Tools()->Item(Variant(id)));
  }

  TestSupport::TempDir dir;
};

TEST_F(ReportPickAndSave, PickedWindowBecomesTheActiveChild) {
  auto first = ListedChart("First");
  auto second = ListedChart("Second");
  ASSERT_EQ(first->Tag(), "CHART1");
  ASSERT_EQ(mainForm->ActiveForm(), second.get());

  Click("CHART1");
  EXPECT_EQ(mainForm->ActiveForm(), first.get());
  // The commands act on the window the person picked.
  Click("Close");
  EXPECT_FALSE(first->IsLoaded());
  EXPECT_TRUE(second->IsLoaded());

  // A minimised window comes back at its normal size, as the active one.
  second->SetWindowState(Platform::WindowStates::Minimised);
  auto third = ListedChart("Third");
  ASSERT_EQ(mainForm->ActiveForm(), third.get());
  Click(second->Tag());
  EXPECT_EQ(second->WindowState(), Platform::WindowStates::Normal);
  EXPECT_EQ(mainForm->ActiveForm(), second.get());
}

TEST_F(ReportPickAndSave, NameWithoutExtensionTakesTheExtensionFromType) {
  auto chart = ListedChart("Efficiency By Date For Line 1");
  auto table = mainForm->CreateNewTableForm(*chart);
  table->TableText.SetText("A\tB\r\n1\t2");
  const auto saveTable = [&](int type, const std::string& name) {
    responder->FilterAnswers.push_back(type);
    responder->FileAnswers.push_back(dir.Folder() + name);
    mainForm->SaveTable(*table);
  };

  saveTable(3, "report");  // "Comma Delimeted File"
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "report.csv"), "A,B\r\n1,2\r\n");
  std::filesystem::create_directory(dir.Path() / "a.b");
  saveTable(2, "a.b/notes");  // a dot in a folder is no extension
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "a.b/notes.rtf"),
            table->TableText.TextRTF() + "\r\n");
  // A name with an extension decides by it, whatever type is chosen.
  saveTable(3, "plain.txt");
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "plain.txt"), "A\tB\r\n1\t2\r\n");
  EXPECT_TRUE(responder->Messages.empty());
  saveTable(3, "x.doc");
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title, "Unknown File Type!");

  responder->FileAnswers.push_back(dir.Folder() + "picture");
  mainForm->SaveChart(*chart);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "picture.bmp"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "picture"));
}

TEST_F(ReportPickAndSave, SaveDialogOpensInTheFolderLastSavedTo) {
  auto chart = ListedChart("Efficiency By Date For Line 1");
  auto table = mainForm->CreateNewTableForm(*chart);
  table->TableText.SetText("A");
  const std::string folder = dir.Folder() + "saved/";
  std::filesystem::create_directory(folder);

  responder->FileAnswers.push_back(std::nullopt);
  mainForm->SaveTable(*table);
  responder->FileAnswers.push_back(folder + "x.csv");
  mainForm->SaveTable(*table);
  // Neither a cancel nor a failed save moves it.
  responder->FileAnswers.push_back(std::nullopt);
  mainForm->SaveChart(*chart);
  responder->FileAnswers.push_back(dir.Folder() + "x.doc");
  mainForm->SaveTable(*table);
  responder->FileAnswers.push_back(std::nullopt);
  mainForm->SaveTable(*table);

  ASSERT_EQ(responder->FileRequests.size(), 5u);
  EXPECT_EQ(responder->FileRequests[0].InitDir, Platform::HomeFolder());
  EXPECT_EQ(responder->FileRequests[1].InitDir, Platform::HomeFolder());
  for (size_t i = 2; i < 5; ++i) EXPECT_EQ(responder->FileRequests[i].InitDir, folder) << i;
}

TEST(SaveExtension, TypeWithOnePlainPatternElseTheDefault) {
  const std::string filter = "Text (*.TXT)|*.TXT|Logs|*.txt;*.log|All|*.*";
  EXPECT_EQ(Platform::SaveExtension(filter, 1, "dat"), "txt");
  EXPECT_EQ(Platform::SaveExtension(filter, 2, "dat"), "dat");
  EXPECT_EQ(Platform::SaveExtension(filter, 3, ".DAT"), "dat");
  EXPECT_EQ(Platform::SaveExtension(filter, 4, "dat"), "dat");
}
