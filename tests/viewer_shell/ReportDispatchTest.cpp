#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraints.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Strings.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "tests/viewer_load/RecordingHost.h"
#include "tests/viewer_shell/ReportShellTest.h"
#include "viewer/data/PRDLoadHost.h"
#include "viewer/data/ProductionLines.h"
#include "viewer/shell/KordexModule.h"

using Kordex::ChartForm;
using Runtime::Variant;

namespace {

class ReportDispatch : public ReportShellTest {
 protected:
  std::shared_ptr<Morvelt::TavroSPCConstraints> SetOf(const std::string& tag) {
    return mainForm->objConstraintsCol->Item(Variant(tag));
  }
  bool Listed(const std::string& tag) { return mainForm->ToolBars->FindTool(tag) != nullptr; }
};

}  // namespace

TEST_F(ReportDispatch, TwoDaysOfAProductivityChartByMachineOpenAChartOfThoseDays) {
  SelectShortCut("Productivity");
  DrillDown(*Chart("CHART1"), 3, 4, "Machine");

  ChartForm* chart = Chart("CHART2");
  ASSERT_NE(chart, nullptr);
  const auto set = SetOf("CHART2");
  EXPECT_EQ(set->SPCGraph(), chart->PRDGraph.Object());
  EXPECT_EQ(set->Subject()->Name(), "Machine");
  const auto days = set->Constraints()->Item(Variant("Date"))->ConstraintValues();
  ASSERT_EQ(days->Count(), 2);
  EXPECT_EQ(Runtime::CDate(days->Item(Variant(1))), Runtime::DateSerial(2026, 3, 3));
  EXPECT_EQ(Runtime::CDate(days->Item(Variant(2))), Runtime::DateSerial(2026, 3, 4));
  EXPECT_TRUE(Listed("CHART2"));
  Kordex::PRDQuery request = Request(Kordex::MeasureProductivity, Kordex::GroupByMachine);
  request.FromDate = Runtime::DateSerial(2026, 3, 3);
  request.ToDate = Runtime::DateSerial(2026, 3, 4);
  ExpectReport(*chart, request, "Productivity By Machine For Line 1", "Machine");
}

TEST_F(ReportDispatch, WhatOpensNothing) {
  // A line tool of the Board Count menu belongs to no category.
  SelectShortCut("Board Count");
  responder->OnToolPopup = [this](Platform::ToolMenu&) {
    return mainForm->ToolBars->FindTool("Line1");
  };
  int16_t first = 1, last = 3;
  Chart("CHART1")->PRDGraph.Object()->SelectPoints.Raise(first, last);
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(ChartWindows(), 1);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 1);

  // A shortcut of another group.
  std::string key;
  const auto other = mainForm->ReportBar.ShortCutGroups()->Add("Other", key);
  auto shortCut = other->ShortCuts()->Add("Productivity", Platform::Picture(), "OtherProd");
  mainForm->ReportBar.SelectShortCut.Raise(shortCut);
  EXPECT_EQ(datePrompt->Calls, 1);
  EXPECT_EQ(ChartWindows(), 1);
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
  EXPECT_TRUE(responder->Messages.empty());
}

TEST_F(ReportDispatch, ASetOfNoReportGetsAnEmptyListedChart) {
  auto set = std::make_shared<Morvelt::TavroSPCConstraints>();
  set->Name("Unknown");
  bool createNewForm = true;
  mainForm->objConstraintsCol_MenuSelection(set, createNewForm);
  EXPECT_EQ(set, nullptr);
  ASSERT_NE(Chart("CHART1"), nullptr);
  EXPECT_EQ(Chart("CHART1")->PRDGraph.Object()->XAxis()->Labels()->Count(), 0);
  EXPECT_TRUE(Listed("CHART1"));
  EXPECT_EQ(SetOf("CHART1")->Name(), "Unknown");
}

TEST_F(ReportDispatch, AFailingBuildIsReportedOnceAndLeavesNothingBehind) {
  mainForm->objPreferences->Remove(Variant("RunTime Display Width"));
  Platform::EnterEventHandler([this] { SelectShortCut("Efficiency"); });
  EXPECT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(ChartWindows(), 0);
  EXPECT_EQ(Kordex::KordexModule::ChartCount, 0);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 0);
  EXPECT_FALSE(Listed("CHART1"));
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
}

TEST_F(ReportDispatch, ARefreshTickRebuildsEveryChartInItsWindowWithTheFilesAddedSince) {
  // One file of the range is written only after the charts opened.
  const auto late = std::find_if(files.begin(), files.end(), [](const auto& file) {
    return file.Line == 1 && file.Path.string().find("2026_03_09") != std::string::npos;
  });
  ASSERT_NE(late, files.end());
  const std::filesystem::path aside = dir.Path() / "aside.KVX";
  std::filesystem::rename(late->Path, aside);
  leftOut = {late->Path};

  SelectShortCut("Productivity");
  SelectShortCut("Efficiency");
  mainForm->ToolBars->ToolClicked(mainForm->ToolBars->FindTool("CompWasteActual"));
  ASSERT_EQ(ChartWindows(), 3);
  ExpectReport(*Chart("CHART3"), Request(Kordex::MeasureWastage, Kordex::GroupByDate),
               "Component Wastage By Date For Line 1", "Date");

  std::filesystem::rename(aside, late->Path);
  leftOut.clear();
  const auto loads = std::make_shared<LoadTest::RecordingHost>();
  Kordex::SetLoadHost(loads);
  Seconds(301);
  Kordex::SetLoadHost(nullptr);

  EXPECT_EQ(loads->Forms, 0);
  EXPECT_EQ(ChartWindows(), 3);
  EXPECT_EQ(Kordex::KordexModule::ChildFormSerial, 3);
  EXPECT_EQ(datePrompt->Calls, 3);
  ExpectReport(*Chart("CHART1"), Request(Kordex::MeasureProductivity, Kordex::GroupByDate),
               "Productivity By Date For Line 1", "Date");
  ExpectReport(*Chart("CHART2"), Request(Kordex::MeasureEfficiency, Kordex::GroupByDate),
               "Efficiency By Date For Line 1", "Date");
  ExpectReport(*Chart("CHART3"), Request(Kordex::MeasureWastage, Kordex::GroupByDate),
               "Component Wastage By Date For Line 1", "Date");
}

TEST_F(ReportDispatch, AChartThatFailsToRefreshHoldsUpNoOther) {
  SelectShortCut("Productivity");
  SelectShortCut("Efficiency");
  // The first chart's set loses its last day: its rebuild fails.
  SetOf("CHART1")->Constraints()->Item(Variant("Date"))->ConstraintValues()->Remove(Variant(2));
  Chart("CHART2")->PRDGraph.Object()->XAxis()->Labels()->Clear();
  Seconds(301);
  EXPECT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(ChartWindows(), 2);
  EXPECT_EQ(mainForm->MousePointer(), 0);
  ExpectReport(*Chart("CHART2"), Request(Kordex::MeasureEfficiency, Kordex::GroupByDate),
               "Efficiency By Date For Line 1", "Date");
}

TEST_F(ReportDispatch, BoardCountToolsBeforeAnyRangeUseTheDefaultWindowWithoutAPrompt) {
  mainForm->ToolBars->ToolClicked(mainForm->ToolBars->FindTool("BoardCountActual"));
  EXPECT_EQ(datePrompt->Calls, 0);
  const auto days = SetOf("CHART1")->Constraints()->Item(Variant("Date"))->ConstraintValues();
  EXPECT_EQ(Runtime::CDate(days->Item(Variant(1))),
            Runtime::DateAdd("d", -100, ShellTestSupport::FixedNow()));
  EXPECT_EQ(Runtime::CDate(days->Item(Variant(2))), ShellTestSupport::FixedNow());
  EXPECT_EQ(Chart("CHART1")->Caption(), "Board Count By Date For Line 1");
}

TEST_F(ReportDispatch, ADataDirectoryChangedOnlyInCaseReloadsNoLines) {
  ASSERT_EQ(Kordex::KordexModule::ProductionLines.Count(), 2);
  std::filesystem::create_directories(root / "Line3");
  auto preference = mainForm->objPreferences->Item(Variant("Data Directory"));
  const std::string folder = Runtime::CStr(preference->Value());
  mainForm->objPreferences->AfterChange.Raise(preference, Variant(Runtime::UCase(folder)));
  EXPECT_EQ(Kordex::KordexModule::ProductionLines.Count(), 2);
  mainForm->objPreferences->AfterChange.Raise(preference, Variant(folder + "Elsewhere/"));
  EXPECT_EQ(Kordex::KordexModule::ProductionLines.Count(), 3);
}

TEST_F(ReportDispatch, ALineStatusShortCutOpensAListedStatusWindowWithoutAPrompt) {
  mainForm->ReportBar.ShortCutGroups()
      ->Item(Variant("Standard"))
      ->ShortCuts()
      ->Add("Line Status", Platform::Picture(), "LineStatus");
  SelectShortCut("Line Status");
  EXPECT_EQ(datePrompt->Calls, 0);
  EXPECT_EQ(Kordex::KordexModule::StatusFormCount, 1);
  EXPECT_TRUE(Listed("STATS1"));
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
}

TEST_F(ReportDispatch, AChartClosedWhileItsShortCutBuildsItGoesWithoutAnError) {
  const auto loads = std::make_shared<LoadTest::RecordingHost>();
  loads->OnDoEvents = [](int) {
    if (ChartForm* chart = Chart("CHART1"); chart && chart->IsLoaded()) {
      int16_t esc = 27;
      chart->Form_KeyPress(esc);
    }
  };
  Kordex::SetLoadHost(loads);
  Platform::EnterEventHandler([this] { SelectShortCut("Productivity"); });
  Kordex::SetLoadHost(nullptr);
  EXPECT_TRUE(responder->Messages.empty());
  EXPECT_EQ(ChartWindows(), 0);
  EXPECT_EQ(Kordex::KordexModule::ChartCount, 0);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 0);
  EXPECT_FALSE(Listed("CHART1"));
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
}

TEST_F(ReportDispatch, ADataDirectoryStoredWithoutItsFinalSeparatorStillGivesTheData) {
  mainForm->objPreferences->Item(Variant("Data Directory"))->SetValue(Variant(root.string()));
  SelectShortCut("Productivity");
  ExpectReport(*Chart("CHART1"), Request(Kordex::MeasureProductivity, Kordex::GroupByDate),
               "Productivity By Date For Line 1", "Date");
}
