// The production-line table read from data directories, and its two views:
// the preferences dialog's line list and the main window's line menu.
#include <gtest/gtest.h>

#include "platform/Problems.h"
#include "platform/SettingsStore.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/TextBox.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/DateTime.h"
#include "runtime/Format.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/data/ProductionLineViews.h"
#include "viewer/data/ProductionLines.h"
#include "viewer/shell/MainToolBar.h"

using Kordex::KordexModule::EditProductionLines;
using Kordex::KordexModule::GetPlacementFiles;
using Kordex::KordexModule::LoadProductionLines;
using Kordex::KordexModule::ProductionLines;
using Runtime::Variant;
using ShellTestSupport::WriteFile;

namespace {

class LinesForm : public Platform::Form {
 public:
  LinesForm() : Form("LinesForm") {}
  Platform::ListBox lstProductionLines{*this, "lstProductionLines"};
  Platform::ListBox lstPlacementFiles{*this, "lstPlacementFiles"};
  Platform::TextBox txtCountMachine{*this, "txtCountMachine"};
  Platform::TextBox txtHoursPerDay{*this, "txtHoursPerDay"};
  Platform::TextBox txtPanelPerHour{*this, "txtPanelPerHour"};
};

class TestHost : public Kordex::ProductionLineHost {
 public:
  std::string DataDirectory() override { return Folder; }
  void ShowLines(const Kordex::ProductionLineList& Lines, int16_t RememberedLine) override {
    Kordex::ShowProductionLines(Lines, RememberedLine, WithControls ? &Controls : nullptr,
                                ToolBars.get());
  }
  std::string Folder;
  bool WithControls = true;
  Kordex::LineListControls Controls;
  std::shared_ptr<Platform::ToolBarControl> ToolBars;
};

std::string Day(int daysAgo) {
  return Runtime::Format(Variant(Runtime::DateAdd("d", -daysAgo, ShellTestSupport::FixedNow())),
                         "yyyy_mm_dd");
}

void Count(const std::filesystem::path& line, int daysAgo, int machine,
           const std::string& product) {
  WriteFile(line / "History" / Day(daysAgo) / "MachinePRD" / ("M" + std::to_string(machine)) /
                ("12345_0001_PRDCOUNT_" + product + ".TavroData"),
            "");
}

}  // namespace

class ProductionLineTableTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    form = std::make_shared<LinesForm>();
    form->Load();
    host = std::make_shared<TestHost>();
    host->Folder = data.Folder();
    host->Controls = {&form->lstProductionLines, &form->lstPlacementFiles, &form->txtCountMachine,
                      &form->txtHoursPerDay, &form->txtPanelPerHour};
    host->ToolBars = std::make_shared<Platform::ToolBarControl>();
    Platform::ApplyDesign(*host->ToolBars, Kordex::MainToolBarDesign());
    Kordex::SetLineHost(host);
  }
  std::vector<std::string> Menu() const {
    std::vector<std::string> ids;
    for (const auto& tool :
         *host->ToolBars->Tools()->Item(Variant("Production Lines"))->Menu()->Tools())
      ids.push_back(tool->ID() + (tool->State() == 1 ? "*" : ""));
    return ids;
  }
  void Remember(const std::string& line) {
    Platform::SaveSetting("TavroKordex", "Initialise", "Production Line", line);
  }
  TestSupport::TempDir data;
  std::shared_ptr<LinesForm> form;
  std::shared_ptr<TestHost> host;
};

TEST_F(ProductionLineTableTest, LineFoldersInListingOrder) {
  for (const char* name : {"Line1", "line1", "Line12", "line7", "Line0", "Line-3", "Line01",
                           "Line 1", "Line1a", "Line", "Line40000"})
    std::filesystem::create_directories(data.Path() / name);
  WriteFile(data.Path() / "Line5", "a file");
  WriteFile(data.Path() / "line7" / "LineInfo.Dat", "[Line Info]\r\nAlias=Seven\r\n");
  WriteFile(data.Path() / "Line1" / "LineInfo.Dat", "[Line Info]\r\nAlias=Upper\r\n");
  WriteFile(data.Path() / "line1" / "LineInfo.Dat", "[Line Info]\r\nAlias=Lower\r\n");
  const int problems = Platform::ProblemCount();
  LoadProductionLines();
  EXPECT_EQ(Platform::ProblemCount(), problems + 1);
  std::vector<int> numbers;
  for (const auto& line : ProductionLines.Lines) numbers.push_back(line.LineNumber);
  EXPECT_EQ(numbers, (std::vector<int>{-3, 0, 1, 12, 7}));
  EXPECT_EQ(ProductionLines.Lines[4].Caption, "Line   7 [Seven]");
  EXPECT_EQ(ProductionLines.Lines[0].Caption, "Line  -3");
  EXPECT_EQ(ProductionLines.Lines[2].Caption, "Line   1 [Upper]");
}

TEST_F(ProductionLineTableTest, CaptionsAndLineInfo) {
  WriteFile(data.Path() / "Line12" / "LineInfo.Dat",
            "[Line Info]\r\nAlias=North\r\nCount Machine=4\r\nHours Per Day=7.5\r\n");
  WriteFile(data.Path() / "Line123" / "LineInfo.Dat",
            "[Line Info]\r\nAlias=A\r\nHours Per Day=16\r\n");
  WriteFile(data.Path() / "Line1234" / "LineInfo.Dat", "[Line Info]\r\nCount Machine=99999\r\n");
  std::filesystem::create_directories(data.Path() / "Line1");
  Count(data.Path() / "Line1", 0, 1, "Widget");
  LoadProductionLines();
  ASSERT_EQ(ProductionLines.Count(), 4);
  const auto& line1 = ProductionLines.Lines[0];
  EXPECT_EQ(line1.Caption, "Line   1");
  EXPECT_EQ(line1.CountMachine, 1);
  EXPECT_EQ(line1.HoursPerDay, 1.0f);
  ASSERT_EQ(line1.PlacementFiles.Count(), 1);
  EXPECT_EQ(line1.PlacementFiles.Files[0].Name, "Widget");
  EXPECT_EQ(line1.PlacementFiles.Files[0].Count, 0);
  EXPECT_EQ(ProductionLines.Lines[1].Caption, "Line  12 [North]");
  EXPECT_EQ(ProductionLines.Lines[1].HoursPerDay, 7.5f);
  EXPECT_EQ(ProductionLines.Lines[1].CountMachine, 4);
  EXPECT_EQ(ProductionLines.Lines[2].Caption, "Line 123 [A]");
  EXPECT_EQ(ProductionLines.Lines[2].HoursPerDay, 16.0f);
  EXPECT_EQ(ProductionLines.Lines[3].Caption, "Line 234");
  EXPECT_EQ(ProductionLines.Lines[3].CountMachine, 32767);

  // The working copy is a copy.
  EditProductionLines.Lines[0].PlacementFiles.Files[0].Name = "Changed";
  EditProductionLines.Lines[0].Caption = "Changed";
  EXPECT_EQ(ProductionLines.Lines[0].Caption, "Line   1");
  EXPECT_EQ(ProductionLines.Lines[0].PlacementFiles.Files[0].Name, "Widget");
}

TEST_F(ProductionLineTableTest, PlacementFilesOfTheLastNinetyDays) {
  const auto line = data.Path() / "Line1";
  WriteFile(line / "LineInfo.Dat",
            "[Line Info]\r\nCount Machine=2\r\n[Placement Files]\r\nabc = 40=7\r\n WidgetA = 40.5 "
            "\r\nEmpty=\r\nNOTCOUNTED=5\r\n");
  Count(line, 0, 2, "ABC");
  Count(line, 1, 2, "abc");
  Count(line, 1, 2, "ABC");
  Count(line, 2, 2, "WidgetA");
  Count(line, 2, 2, "Empty");
  Count(line, 2, 2, "A,B");
  Count(line, 3, 2, "B");
  Count(line, 89, 2, "EDGE");
  Count(line, 90, 2, "OLD");
  Count(line, 0, 1, "OtherMachine");
  const auto list = GetPlacementFiles(data.Folder() + "Line1/", 2);
  std::vector<std::string> seen;
  for (const auto& file : list.Files) seen.push_back(file.Name + " " + std::to_string(file.Count));
  EXPECT_EQ(seen, (std::vector<std::string>{"ABC 40", "abc 0", "A,B 0", "Empty 0", "WidgetA 40",
                                            "B 0", "EDGE 0"}));
}

TEST_F(ProductionLineTableTest, ListAndMenuFollowTheTable) {
  for (const char* name : {"Line1", "Line12", "Line7", "Line0", "Line-3"})
    std::filesystem::create_directories(data.Path() / name);
  WriteFile(data.Path() / "Line12" / "LineInfo.Dat", "[Line Info]\r\nAlias=North\r\n");
  Remember("12");
  LoadProductionLines();
  auto& list = form->lstProductionLines;
  ASSERT_EQ(list.ListCount(), 5);
  EXPECT_EQ(list.List(3), "Line  12 [North]");
  for (int j = 0; j < 5; ++j) EXPECT_EQ(list.ItemData(j), j + 1);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Line-3", "Line0", "Line1", "Line12*", "Line7"}));
  const auto tool = host->ToolBars->Tools()->Item(Variant("Line12"));
  EXPECT_EQ(tool->Caption(), "Line  12 [North]");
  EXPECT_EQ(tool->TagVariant(), Variant(int16_t{12}));
  EXPECT_EQ(tool->Group(), "Lines");
  EXPECT_FALSE(tool->Picture().IsEmpty());

  Remember("5");
  LoadProductionLines();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Line-3*", "Line0", "Line1", "Line12", "Line7"}));
  // New charts take the marked line, not the missing one.
  EXPECT_EQ(Platform::GetSetting("TavroKordex", "Initialise", "Production Line", ""), "-3");
  Remember("abc");
  host->WithControls = false;
  LoadProductionLines();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Line-3", "Line0", "Line1*", "Line12", "Line7"}));
  EXPECT_TRUE(host->ToolBars->FindTool("ProductionLine"));
  EXPECT_TRUE(host->ToolBars->FindTool("Production Lines"));

  host->WithControls = true;
  host->Folder = data.Folder() + "missing/";
  LoadProductionLines();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_TRUE(Menu().empty());
  EXPECT_FALSE(host->ToolBars->FindTool("Line1"));
}

TEST_F(ProductionLineTableTest, GeneratedDataHasProductsWithFigures) {
  auto generated = ShellTestSupport::WriteSampleData({.Lines = 3, .Machines = 4, .Days = 10});
  host->Folder = generated.Folder();
  LoadProductionLines();
  ASSERT_EQ(ProductionLines.Count(), 3);
  for (const auto& line : ProductionLines.Lines) {
    ASSERT_GT(line.PlacementFiles.Count(), 0) << line.Caption;
    // Every product but one that just started has its figure.
    int withFigures = 0;
    for (const auto& file : line.PlacementFiles.Files) withFigures += file.Count > 0;
    EXPECT_GE(withFigures, line.PlacementFiles.Count() - 1) << line.Caption;
  }
}
