#include <gtest/gtest.h>

#include <string>

#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Collection.h"
#include "runtime/DateTime.h"
#include "tests/viewer_shell/ReportShellTest.h"
#include "viewer/shell/KordexModule.h"

using Kordex::ChartForm;
using Kordex::PRDGrouping;
using Kordex::PRDMeasure;

namespace {

class ReportsEndToEnd : public ReportShellTest {
 protected:
  // Every label of the chart, as a filter of its names.
  static Runtime::CollectionRef LabelsOf(ChartForm& chart) {
    auto names = std::make_shared<Runtime::Collection>();
    const auto labels = chart.PRDGraph.Object()->XAxis()->Labels();
    for (int16_t i = 1; i <= labels->Count(); ++i) {
      const std::string label = labels->Item(Runtime::Variant(i))->Label();
      names->Add(Runtime::Variant(label), Runtime::Variant(label));
    }
    return names;
  }

  // A rate report opened from its shortcut by date, then drilled into by
  // machine and by product over all its days.
  void RateReport(const std::string& shortCut, PRDMeasure measure, const std::string& title,
                  bool byMachine = true) {
    SelectShortCut(shortCut);
    ChartForm& byDate = NewestChart();
    ExpectReport(byDate, Request(measure, Kordex::GroupByDate), title + " By Date For Line 1",
                 "Date");
    if (byMachine) {
      DrillDown(byDate, "Machine");
      ExpectReport(NewestChart(), Request(measure, Kordex::GroupByMachine),
                   title + " By Machine For Line 1", "Machine");
    }
    DrillDown(byDate, "Product");
    ExpectReport(NewestChart(), Request(measure, Kordex::GroupByProduct),
                 title + " By Product For Line 1", "Product");
  }

  void WastageReport(const std::string& variant, bool percent) {
    toolPicked = variant;
    SelectShortCut("Component Wastage");
    toolPicked.clear();
    const std::string start = percent ? "Percentage " : "";
    ChartForm& byDate = NewestChart();
    ExpectReport(byDate, Request(Kordex::MeasureWastage, Kordex::GroupByDate),
                 start + "Component Wastage By Date For Line 1", "Date", percent);
    const struct {
      const char* Tool;
      const char* Word;
      PRDGrouping Grouping;
    } subjects[] = {{"Product", "Product", Kordex::GroupByProduct},
                    {"Error", "Error", Kordex::GroupByError},
                    {"PartNumber", "Part Number", Kordex::GroupByPartNumber},
                    {"Machine", "Machine", Kordex::GroupByMachine}};
    for (const auto& subject : subjects) {
      DrillDown(byDate, subject.Tool);
      ExpectReport(NewestChart(), Request(Kordex::MeasureWastage, subject.Grouping),
                   start + "Component Wastage By " + subject.Word + " For Line 1", subject.Word,
                   percent);
    }
    // Head needs a machine in play: from the chart by machine.
    ChartForm& byMachine = NewestChart();
    Kordex::PRDQuery heads = Request(Kordex::MeasureWastage, Kordex::GroupByHead);
    heads.MachineFilter = LabelsOf(byMachine);
    DrillDown(byMachine, "Head");
    ExpectReport(NewestChart(), heads, start + "Component Wastage By Head For Line 1", "Head",
                 percent);
  }
};

}  // namespace

TEST_F(ReportsEndToEnd, RateReportsFromTheirShortCutsAndTheirDrillDowns) {
  RateReport("Productivity", Kordex::MeasureProductivity, "Productivity");
  RateReport("Efficiency", Kordex::MeasureEfficiency, "Efficiency");
  RateReport("Components Per Hour", Kordex::MeasureComponentsPerHour, "Components Per Hour");
  RateReport("Board Count", Kordex::MeasureBoardCount, "Board Count", false);
  EXPECT_EQ(datePrompt->Calls, 4);
  EXPECT_EQ(ChartWindows(), 11);
  EXPECT_EQ(Kordex::KordexModule::ChartCount, 11);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 11);
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
}

TEST_F(ReportsEndToEnd, ComponentWastageActualAndPercentFromThePopUpAndEverySubject) {
  WastageReport("CompWasteActual", false);
  // The category tools are the very tools of the main window's report menu.
  const auto set = mainForm->objConstraintsCol->Item(Runtime::Variant("CHART1"));
  EXPECT_EQ(
      set->ConstraintCategories()
          ->Item(Runtime::Variant("Product"))
          ->MenuItems()
          ->Item(Runtime::Variant(int16_t{1})),
      mainForm->ToolBars->FindTool("CompWast")->Menu()->Tools()->Item(Runtime::Variant("Product")));
  WastageReport("CompWastePercent", true);
  EXPECT_EQ(ChartWindows(), 12);
  EXPECT_TRUE(mainForm->ReportBar.Enabled());
}

TEST_F(ReportsEndToEnd, ARangeWithoutFilesGivesEmptyCharts) {
  datePrompt->Choice = {{Runtime::DateSerial(2020, 1, 1), Runtime::DateSerial(2020, 1, 5)}};
  SelectShortCut("Productivity");
  ChartForm& byDate = NewestChart();
  // By date every day of the range has its place, without points.
  EXPECT_EQ(byDate.Caption(), "Productivity By Date For Line 1");
  EXPECT_EQ(byDate.PRDGraph.Object()->XAxis()->Labels()->Count(), 5);
  EXPECT_TRUE(LoadTest::ChartOf(*byDate.PRDGraph.Object()).Points["Productivity"].empty());
  DrillDown(byDate, "Product");
  const auto& graph = *NewestChart().PRDGraph.Object();
  EXPECT_EQ(NewestChart().Caption(), "Productivity By Product For Line 1");
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 0);
  EXPECT_EQ(graph.XAxis()->Width(), 0);
}
