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
