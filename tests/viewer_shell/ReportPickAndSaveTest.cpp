// A window picked from the Reports menu becomes the one the commands act on;
// the save dialog's file type and folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
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
