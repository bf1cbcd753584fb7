#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphYAxis.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Error.h"
#include "tests/support/Raised.h"
#include "tests/viewer_load/ReportExpectation.h"
#include "tests/viewer_load/ReportTestHost.h"
#include "viewer/data/ReportCharts.h"
#include "viewer/data/ReportConstraints.h"

using namespace LoadTest;
using Runtime::Variant;

namespace {

std::vector<std::string> Names(const Morvelt::clsConstraintCategories& categories) {
  std::vector<std::string> names;
  for (const auto& category : categories.Categories()) names.push_back(category->Name());
  return names;
}

std::vector<std::string> Texts(const Runtime::Collection& values) {
  std::vector<std::string> texts;
  for (const Variant& value : values) texts.push_back(Runtime::CStr(value));
  return texts;
}

// A report as the tests see it: its set builder, chart builder and what its
// chart makes of the loaded figures.
struct Report {
  const char* Name;
  Kordex::PRDMeasure Measure;
  const char* Title;
  std::vector<std::string> Subjects;
  void (*Create)(Kordex::KordexModule::ReportWindow&);
  void (*Draw)(Kordex::KordexModule::ReportWindow&, bool);
};

const Report Reports[] = {
    {"Productivity",
     Kordex::MeasureProductivity,
     "Productivity",
     {"Date", "Machine", "Product"},
     Kordex::KordexModule::CreateProductivityConstraints,
     Kordex::KordexModule::DrawProductivityChart},
    {"Efficiency",
     Kordex::MeasureEfficiency,
     "Efficiency",
     {"Date", "Machine", "Product"},
     Kordex::KordexModule::CreateEfficiencyConstraints,
     Kordex::KordexModule::DrawEfficiencyChart},
    {"CompsPerHour",
     Kordex::MeasureComponentsPerHour,
     "Components Per Hour",
     {"Date", "Machine", "Product"},
     Kordex::KordexModule::CreateCompsPerHourConstraints,
     Kordex::KordexModule::DrawCompsPerHourChart},
    {"BoardCount",
     Kordex::MeasureBoardCount,
     "Board Count",
     {"Date", "Product"},
     [](Kordex::KordexModule::ReportWindow& chart) {
       Kordex::KordexModule::CreateBoardCountConstraints(chart, true);
     },
     Kordex::KordexModule::DrawBoardCountChart},
    {"CompWastage",
     Kordex::MeasureWastage,
     "Component Wastage",
     {"Date", "Product", "Machine", "Head", "Part Number", "Error"},
     [](Kordex::KordexModule::ReportWindow& chart) {
       Kordex::KordexModule::CreateCompWastageConstraints(chart, false);
     },
     Kordex::KordexModule::DrawCompWastageChart},
};

Kordex::PRDGrouping GroupingOf(const std::string& subject) {
  if (subject == "Product") return Kordex::GroupByProduct;
  if (subject == "Machine") return Kordex::GroupByMachine;
  if (subject == "Head") return Kordex::GroupByHead;
  if (subject == "Part Number") return Kordex::GroupByPartNumber;
  if (subject == "Error") return Kordex::GroupByError;
  return Kordex::GroupByDate;
}

}  // namespace

TEST(ReportBuilders, ACompWastageSetCarriesTheReportsCategoriesMenusAndDefaults) {
  ReportTestHost host;
  ReportChart chart("CHART1");
  Kordex::KordexModule::CreateCompWastageConstraints(chart, true);

  const auto set = host.objConstraintsCol()->Item(Variant("CHART1"));
  EXPECT_EQ(set->Name(), "CompWastage");
  EXPECT_EQ(set->SPCGraph(), chart.PRDGraph());
  EXPECT_EQ(set->MenuItem(), host.ToolBars()->Tools()->Item(Variant("CompWast")));
  EXPECT_EQ(set->MenuObject(), host.ToolBars());
  const auto categories = set->ConstraintCategories();
  EXPECT_EQ(Names(*categories), (std::vector<std::string>{"Date", "Product", "Error", "Part Number",
                                                          "Machine", "Head", "Type"}));
  EXPECT_EQ(set->Subject()->Name(), "Date");
  ASSERT_EQ(set->Constraints()->Count(), 2);
  EXPECT_EQ(Runtime::CDbl(
                set->Constraints()->Item(Variant("Date"))->ConstraintValues()->Item(Variant(2))),
            Runtime::CDbl(host.To));
  EXPECT_EQ(set->Constraints()->Item(Variant("Date"))->ConstraintValues()->Count(), 2);
  EXPECT_EQ(Texts(*set->Constraints()->Item(Variant("Type"))->ConstraintValues()),
            std::vector<std::string>{"Percent"});

  const auto category = [&](const char* name) { return categories->Item(Variant(name)); };
  EXPECT_EQ(Names(*category("Head")->Prerequisites()),
            (std::vector<std::string>{"Date", "Machine"}));
  EXPECT_EQ(Names(*category("Part Number")->Restrictions()),
            (std::vector<std::string>{"Part Number", "Head"}));
  EXPECT_EQ(Names(*category("Head")->Restrictions()),
            (std::vector<std::string>{"Head", "Part Number"}));
  EXPECT_EQ(category("Date")->Restrictions()->Count(), 0);
  EXPECT_TRUE(category("Date")->Continuous());
  EXPECT_FALSE(category("Product")->Continuous());
  EXPECT_EQ(category("Type")->MenuItems()->Count(), 0);
  EXPECT_EQ(category("Product")->MenuItems()->Item(Variant(int16_t{1})),
            host.ToolBars()
                ->Tools()
                ->Item(Variant("CompWast"))
                ->Menu()
                ->Tools()
                ->Item(Variant("Product")));
}

TEST(ReportBuilders, OtherReportsHaveTheirCategoriesAndOnlyTheDateConstraint) {
  ReportTestHost host;
  ReportChart actual("CHART1"), accumulated("CHART2"), productivity("CHART3");
  Kordex::KordexModule::CreateBoardCountConstraints(actual, false);
  Kordex::KordexModule::CreateBoardCountConstraints(accumulated, true);
  Kordex::KordexModule::CreateProductivityConstraints(productivity);
  const auto first = host.objConstraintsCol()->Item(Variant("CHART1"));
  const auto second = host.objConstraintsCol()->Item(Variant("CHART2"));
  EXPECT_EQ(Names(*first->ConstraintCategories()), (std::vector<std::string>{"Date", "Product"}));
  EXPECT_EQ(Names(*first->ConstraintCategories()), Names(*second->ConstraintCategories()));
  EXPECT_EQ(first->PrintConstraints(), second->PrintConstraints());
  EXPECT_EQ(first->Name(), second->Name());
  EXPECT_EQ(first->Constraints()->Count(), 1);
  EXPECT_EQ(second->Constraints()->Count(), 1);
  const auto third = host.objConstraintsCol()->Item(Variant("CHART3"));
  EXPECT_EQ(Names(*third->ConstraintCategories()),
            (std::vector<std::string>{"Date", "Machine", "Product"}));
  EXPECT_EQ(third->Constraints()->Count(), 1);
}

TEST(ReportBuilders, ASecondSetForOneTagRaisesAndTheFirstStays) {
  ReportTestHost host;
  ReportChart chart("CHART1");
  Kordex::KordexModule::CreateEfficiencyConstraints(chart);
  EXPECT_EQ(TestSupport::Raised([&] { Kordex::KordexModule::CreateEfficiencyConstraints(chart); }),
            Runtime::ErrorNumber::DuplicateKey);
  EXPECT_EQ(host.objConstraintsCol()->Count(), 1);
}

TEST(ReportBuilders, EveryReportBySubjectShowsItsFiguresCaptionedTitledAndScaled) {
  ReportTestHost host;
  host.Preferences["Pareto Maximum Entries"] = Variant(int16_t{2});
  host.Preferences["Pareto Display Width"] = Variant(int16_t{4});
  host.Preferences["RunTime Display Width"] = Variant(int16_t{7});
  int serial = 0;
  for (const Report& report : Reports) {
    for (const bool percent : {false, true}) {
      if (percent && report.Measure != Kordex::MeasureWastage) continue;
      for (const std::string& subject : report.Subjects) {
        SCOPED_TRACE(std::string(report.Name) + " by " + subject + (percent ? " percent" : ""));
        ReportChart chart("CHART" + std::to_string(++serial));
        if (report.Measure == Kordex::MeasureWastage)
          Kordex::KordexModule::CreateCompWastageConstraints(chart, percent);
        else
          report.Create(chart);
        host.objConstraintsCol()->Item(Variant(chart.Tag()))->Subject(Variant(subject));
        // A rebuild in the same window leaves no stale points or labels.
        report.Draw(chart, true);
        report.Draw(chart, false);

        const auto& graph = *chart.PRDGraph();
        const std::string caption = std::string(percent ? "Percentage " : "") + report.Title +
                                    " By " + subject + " For Line 1";
        EXPECT_EQ(chart.Caption(), caption);
        EXPECT_EQ(graph.SubTitle()->Text(), caption);
        EXPECT_EQ(graph.MainPrefix()->Text() + graph.MainTitle()->Text(), "Kordex");
        EXPECT_EQ(graph.FootNote()->Text().rfind("Constraints\r\nDate = ", 0), 0u);
        EXPECT_EQ(graph.XAxis()->Title()->Text(), subject);
        const ReportArithmetic expected = ExpectedReport(Query(report.Measure, GroupingOf(subject)),
                                                         Data().Root, Data().Files, percent, 2);
        EXPECT_TRUE(SameReport(expected, ChartOf(graph)));
        const int width = subject == "Date" || report.Measure == Kordex::MeasureBoardCount ? 7 : 4;
        EXPECT_EQ(graph.XAxis()->Width(),
                  std::min<int>(width, static_cast<int>(expected.Chart().Labels.size())));
      }
    }
  }
}

TEST(ReportBuilders, AxesOfTheReportsAndThePercentageWastageTitles) {
  ReportTestHost host;
  ReportChart productivity("CHART1"), perHour("CHART2"), wastage("CHART3");
  Kordex::KordexModule::CreateProductivityConstraints(productivity);
  Kordex::KordexModule::DrawProductivityChart(productivity, false);
  EXPECT_FALSE(productivity.PRDGraph()->YAxis(1)->AutomaticMax());
  EXPECT_EQ(productivity.PRDGraph()->YAxis(1)->Max(), 100);
  EXPECT_EQ(productivity.PRDGraph()->YAxis(1)->Title()->Text(), "Percent");
  Kordex::KordexModule::CreateCompsPerHourConstraints(perHour);
  perHour.PRDGraph()->YAxis(1)->AutomaticMax(false);
  Kordex::KordexModule::DrawCompsPerHourChart(perHour, false);
  EXPECT_TRUE(perHour.PRDGraph()->YAxis(1)->AutomaticMax());
  EXPECT_EQ(perHour.PRDGraph()->YAxis(1)->Title()->Text(), "Count");
  Kordex::KordexModule::CreateCompWastageConstraints(wastage, true);
  host.objConstraintsCol()->Item(Variant("CHART3"))->Subject(Variant("Error"));
  Kordex::KordexModule::DrawCompWastageChart(wastage, false);
  EXPECT_EQ(wastage.PRDGraph()->YAxis(1)->Title()->Text(), "% Components");
  EXPECT_EQ(wastage.PRDGraph()->YAxis(2)->Title()->Text(), "%");
}

TEST(ReportBuilders, AnEmptyRangeOrNoSubjectLoadsNothingAndStillDraws) {
  ReportTestHost host;
  host.From = Variant(Runtime::DateSerial(2020, 1, 1));
  host.To = Variant(Runtime::DateSerial(2020, 1, 3));
  ReportChart empty("CHART1");
  Kordex::KordexModule::CreateCompWastageConstraints(empty, false);
  host.objConstraintsCol()->Item(Variant("CHART1"))->Subject(Variant("Product"));
  Kordex::KordexModule::DrawCompWastageChart(empty, false);
  EXPECT_EQ(empty.PRDGraph()->XAxis()->Labels()->Count(), 0);
  EXPECT_EQ(empty.PRDGraph()->XAxis()->Width(), 0);
  EXPECT_EQ(empty.Caption(), "Component Wastage By Product For Line 1");

  host.From = Variant(Runtime::DateSerial(2026, 3, 6));
  host.To = Variant(Runtime::DateSerial(2026, 3, 14));
  ReportChart subjectless("CHART2");
  Kordex::KordexModule::CreateProductivityConstraints(subjectless);
  host.objConstraintsCol()
      ->Item(Variant("CHART2"))
      ->Subject(std::shared_ptr<Morvelt::TavroConstraintCategory>());
  subjectless.Caption("Chart");
  Kordex::KordexModule::DrawProductivityChart(subjectless, false);
  EXPECT_EQ(subjectless.Caption(), "Chart");
  EXPECT_EQ(subjectless.PRDGraph()->XAxis()->Labels()->Count(), 0);
  EXPECT_EQ(subjectless.PRDGraph()->YAxis(1)->Max(), 100);
}
