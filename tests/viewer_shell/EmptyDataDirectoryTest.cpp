// A data directory without production lines, and one that cannot be found:
// the person is told once, and no chart opens for a line that is not there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "constraints/TavroSPCConstraints.h"
#include "platform/SettingsStore.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/ChartForm.h"

using Runtime::Variant;

namespace {

class EmptyDataDirectoryTest : public ShellTest {
 protected:
  std::string Folder() const { return data.string() + "/"; }
  void SelectShortCut(const std::string& caption) {
    const auto group = mainForm->ReportBar.ShortCutGroups()->Item(Variant("Standard"));
    for (int16_t i = 1; i <= group->ShortCuts()->Count(); ++i) {
      auto shortCut = group->ShortCuts()->Item(Variant(i));
      if (shortCut->Caption() == caption) return mainForm->ReportBar.SelectShortCut.Raise(shortCut);
    }
    FAIL() << caption;
  }
  void Click(const std::string& id) {
    mainForm->ToolBars_ToolClick(mainForm->ToolBars->Tools()->Item(Variant(id)));
  }
  static int ChartWindows() {
    int n = 0;
    for (Platform::Form* form : Platform::Forms::All())
      if (dynamic_cast<Kordex::ChartForm*>(form)) ++n;
    return n;
  }
  // Every way of asking for a new chart opens none and says why once.
  void ExpectNoChartOpens(const std::string& prompt) {
    responder->OnToolPopup = [this](Platform::ToolMenu&) {
      return mainForm->ToolBars->Tools()->Item(Variant("CompWasteActual"));
    };
    for (const char* caption : {"Productivity", "Efficiency", "Components Per Hour", "Board Count",
                                "Component Wastage"}) {
      const size_t before = responder->Messages.size();
      SelectShortCut(caption);
      ASSERT_EQ(responder->Messages.size(), before + 1) << caption;
      EXPECT_EQ(responder->Messages.back().Title, "Data Directory Error!");
      EXPECT_EQ(responder->Messages.back().Prompt, prompt) << caption;
    }
    for (const char* tool : {"CompWasteActual", "BoardCountAccumulated"}) {
      const size_t before = responder->Messages.size();
      Click(tool);
      EXPECT_EQ(responder->Messages.size(), before + 1) << tool;
    }
    EXPECT_EQ(ChartWindows(), 0);
    EXPECT_EQ(Kordex::KordexModule::ChartCount, 0);
    EXPECT_EQ(datePrompt->Calls, 0);
    EXPECT_TRUE(mainForm->ReportBar.Enabled());
  }

  TestSupport::TempDir root;
  std::filesystem::path data = root.Path() / "Data";
};

}  // namespace

TEST_F(EmptyDataDirectoryTest, NoProductionLinesIsSaidAtStartUpAndWhenAChartIsAskedFor) {
  std::filesystem::create_directories(data / "Lines");
  StartMainWindow(Folder());
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title, "Data Directory Error!");
  EXPECT_EQ(responder->Messages[0].Prompt,
            "No production lines were found in the data directory '" + Folder() +
                "'.\r\nCharts can be opened once it holds line folders (Line1, Line2 ...) or "
                "another one is chosen under Edit, Preferences.");
  ExpectNoChartOpens("No production lines were found in the data directory '" + Folder() +
                     "'.\r\nNo chart is opened: add line folders (Line1, Line2 ...) to it or "
                     "choose another one under Edit, Preferences.");
  Seconds(301 * 2);
  EXPECT_EQ(responder->Messages.size(), 8u);

  // A line folder added meanwhile is found when a chart is asked for.
  std::filesystem::create_directories(data / "Line4");
  SelectShortCut("Productivity");
  for (size_t i = 8; i < responder->Messages.size(); ++i)  // the loader's word on the bare line
    EXPECT_NE(responder->Messages[i].Title, "Data Directory Error!");
  EXPECT_EQ(ChartWindows(), 1);
  EXPECT_EQ(mainForm->ToolBars->FindTool("Line4")->State(), 1);
}

TEST_F(EmptyDataDirectoryTest, NoProductionLinesOpensNoChartOfALineTheDataDirectoryLacks) {
  std::filesystem::create_directories(data / "Line1");
  std::filesystem::create_directories(data / "Line2");
  StartMainWindow(Folder());
  EXPECT_TRUE(responder->Messages.empty());
  // Chosen by another run of the program over another data directory.
  Platform::SaveSetting("TavroKordex", "Initialise", "Production Line", "7");
  ExpectNoChartOpens("Line 7 is not in the data directory '" + Folder() +
                     "'.\r\nNo chart is opened: choose a line from the Production Lines menu.");
  Click("Line2");
  SelectShortCut("Board Count");
  EXPECT_EQ(ChartWindows(), 1);
}

TEST_F(EmptyDataDirectoryTest, MissingDataDirectoryIsSaidOncePerState) {
  StartMainWindow(Folder());
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title, "Data Directory Error!");
  // No chart open: a refresh has nothing to keep and nothing to say.
  Seconds(301 * 2);
  EXPECT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(mainForm->TickCounter(), 0);
  EXPECT_EQ(mainForm->MousePointer(), 0);

  // A chart open while the folder stays away: still said only at the start.
  mainForm->objConstraintsCol->Add(std::make_shared<Morvelt::TavroSPCConstraints>(), "CHART1");
  Seconds(301);
  EXPECT_EQ(responder->Messages.size(), 1u);
  // Back, then away again: said once more.
  std::filesystem::create_directories(data);
  Seconds(301);
  EXPECT_EQ(responder->Messages.size(), 1u);
  std::filesystem::remove(data);
  Seconds(301 * 2);
  ASSERT_EQ(responder->Messages.size(), 2u);
  EXPECT_EQ(responder->Messages[1].Prompt,
            "The data directory '" + Folder() +
                "' cannot be found.\r\nThe open charts keep what they show until it can be "
                "reached again.");
  EXPECT_EQ(mainForm->MousePointer(), 0);

  // Asking for a chart is answered every time, and opens none.
  SelectShortCut("Efficiency");
  SelectShortCut("Efficiency");
  ASSERT_EQ(responder->Messages.size(), 4u);
  EXPECT_EQ(responder->Messages[3].Prompt,
            "The data directory '" + Folder() +
                "' cannot be found.\r\nNo chart is opened until it can be reached or another one "
                "is chosen under Edit, Preferences.");
  EXPECT_EQ(ChartWindows(), 0);
  Seconds(301);
  EXPECT_EQ(responder->Messages.size(), 4u);
}
