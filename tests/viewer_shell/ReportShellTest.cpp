#include "tests/viewer_shell/ReportShellTest.h"

#include <algorithm>

#include "graph/model/GraphText.h"
#include "graph/model/GraphXAxis.h"
#include "graph/render/Graph.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/DateTime.h"
#include "runtime/Strings.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "viewer/shell/KordexModule.h"

using Runtime::Variant;

namespace {

Runtime::DateTime FirstDay() {
  return Runtime::DateSerial(2026, 3, 1);
}
Runtime::DateTime LastDay() {
  return Runtime::DateSerial(2026, 3, 9);
}

}  // namespace

void ReportShellTest::SetUp() {
  ShellTest::SetUp();
  Kordex::KordexModule::ReportDateFrom = {};
  Kordex::KordexModule::ReportDateTo = {};
  root = dir.Path() / "Data";
  Kordex::SampleData::Options options;
  options.Seed = 11;
  options.Lines = 2;
  options.Machines = 3;
  options.Days = 9;
  options.Products = 3;
  options.EndDate = std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::month{3},
                                                std::chrono::day{9}};
  Kordex::SampleData::WriteDataDirectory(root, options, &files);
  StorePreference("Pareto Maximum Entries", Variant(int16_t{2}));
  StorePreference("Pareto Display Width", Variant(int16_t{3}));
  StartMainWindow(root.string() + "/");
  datePrompt->Choice = {{FirstDay(), LastDay()}};
  responder->OnToolPopup = [this](Platform::ToolMenu& menu) -> std::shared_ptr<Platform::Tool> {
    if (toolPicked.empty()) return nullptr;
    return menu.Tools()->Item(Variant(toolPicked));
  };
}

Kordex::ChartForm* ReportShellTest::Chart(const std::string& tag) {
  for (Platform::Form* form : Platform::Forms::All())
    if (auto* chart = dynamic_cast<Kordex::ChartForm*>(form); chart && chart->Tag() == tag)
      return chart;
  return nullptr;
}

Kordex::ChartForm& ReportShellTest::NewestChart() {
  Kordex::ChartForm* chart = Chart("CHART" + std::to_string(Kordex::KordexModule::ChildFormSerial));
  if (chart == nullptr) throw std::runtime_error("the newest child window is no chart");
  return *chart;
}

int ReportShellTest::ChartWindows() {
  int n = 0;
  for (Platform::Form* form : Platform::Forms::All())
    if (dynamic_cast<Kordex::ChartForm*>(form)) ++n;
  return n;
}

void ReportShellTest::SelectShortCut(const std::string& caption) {
  const auto group = mainForm->ReportBar.ShortCutGroups()->Item(Variant("Standard"));
  for (int16_t i = 1; i <= group->ShortCuts()->Count(); ++i) {
    auto shortCut = group->ShortCuts()->Item(Variant(i));
    if (shortCut->Caption() == caption) return mainForm->ReportBar.SelectShortCut.Raise(shortCut);
  }
  FAIL() << "no shortcut " << caption;
}

void ReportShellTest::DrillDown(Kordex::ChartForm& chart, int16_t first, int16_t last,
                                const std::string& tool) {
  toolPicked = tool;
  chart.PRDGraph.Object()->SelectPoints.Raise(first, last);
  toolPicked.clear();
}

void ReportShellTest::DrillDown(Kordex::ChartForm& chart, const std::string& tool) {
  DrillDown(chart, 1, chart.PRDGraph.Object()->XAxis()->Labels()->Count(), tool);
}

Kordex::PRDQuery ReportShellTest::Request(Kordex::PRDMeasure measure,
                                          Kordex::PRDGrouping grouping) {
  Kordex::PRDQuery query;
  query.Measure = measure;
  query.Grouping = grouping;
  query.FromDate = FirstDay();
  query.ToDate = LastDay();
  query.LineNumber = 1;
  return query;
}

void ReportShellTest::ExpectReport(Kordex::ChartForm& chart, const Kordex::PRDQuery& request,
                                   const std::string& caption, const std::string& xTitle,
                                   bool percent) {
  SCOPED_TRACE(caption);
  const auto& graph = *chart.PRDGraph.Object();
  EXPECT_EQ(chart.Caption(), caption);
  EXPECT_EQ(graph.SubTitle()->Text(), caption);
  EXPECT_EQ(graph.XAxis()->Title()->Text(), xTitle);
  const LoadTest::ReportArithmetic expected =
      LoadTest::ExpectedReport(request, root, files, percent, 2, leftOut);
  EXPECT_TRUE(LoadTest::SameReport(expected, LoadTest::ChartOf(graph)));
  const int width =
      request.Grouping == Kordex::GroupByDate || request.Measure == Kordex::MeasureBoardCount ? 31
                                                                                              : 3;
  EXPECT_EQ(graph.XAxis()->Width(),
            std::min<int>(width, static_cast<int>(expected.Chart().Labels.size())));
}
