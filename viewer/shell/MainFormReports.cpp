// The main window's reports: the report shortcuts, the report tools, and the
// building of a chart from a constraint set (a drill-down or a refresh).
#include <memory>
#include <string>

#include "constraints/TavroSPCConstraints.h"
#include "platform/gui/App.h"
#include "platform/gui/Forms.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "viewer/data/PRDModule.h"
#include "viewer/data/ProductionLines.h"
#include "viewer/data/ReportCharts.h"
#include "viewer/data/ReportConstraints.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/LineStatusForm.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/ShellReportHost.h"

namespace Kordex {

namespace {

using Runtime::Variant;

struct ReportShortCut {
  const char* Caption;
  const char* Key;
  const char* Icon;
};

constexpr ReportShortCut ReportShortCuts[] = {
    {"Productivity", "Prod", "Cog"},
    {"Efficiency", "Eff", "Clock"},
    {"Component Wastage", "CompWast", "Trash"},
    {"Components Per Hour", "CompsPerHour", "IC"},
    {"Board Count", "BoardCount", "Counter"},
};

// The chart builder of a set's name (upper case); nullptr for a name no
// report has.
MainForm::ChartBuilderFn ChartBuilderOf(const std::string& name) {
  if (name == "COMPWASTAGE") return KordexModule::DrawCompWastageChart;
  if (name == "PRODUCTIVITY") return KordexModule::DrawProductivityChart;
  if (name == "EFFICIENCY") return KordexModule::DrawEfficiencyChart;
  if (name == "BOARDCOUNT") return KordexModule::DrawBoardCountChart;
  if (name == "COMPSPERHOUR") return KordexModule::DrawCompsPerHourChart;
  return nullptr;
}

}  // namespace

void MainForm::CreateTabrill() {
  ReportBar.Caption("Charts");
  std::string key;
  const auto group = ReportBar.ShortCutGroups()->Add("Standard", key);
  for (const ReportShortCut& shortCut : ReportShortCuts)
    group->ShortCuts()->Add(shortCut.Caption, imlChartImages.ExtractIcon(shortCut.Icon),
                            shortCut.Key);
}

void MainForm::ReportBar_SelectShortCut(const std::shared_ptr<Quillon::clsShortCut>& ShortCut) {
  ReportBar.Enabled(false);
  // Enabled again however the handling ends.
  struct Reenable {
    Quillon::cntTabrill& bar;
    ~Reenable() { bar.Enabled(true); }
  } reenable{ReportBar};

  const auto group = ShortCut->ShortCutGroup();
  if (!group || Runtime::UCase(group->Caption()) != "STANDARD") return;
  const std::string caption = Runtime::UCase(ShortCut->Caption());
  if (caption == "COMPONENT WASTAGE") {
    if (ChosenLineAvailable()) ToolBars->PopupMenu(Variant("CompWastSelect"));
    return;
  }
  if (caption == "LINE STATUS") {
    const auto status = CreateNewStatusForm();
    UpdateLineStatus(*status, DataDirectoryText());
    AddToReportList(*status);
    status->SetFocus();
    return;
  }

  std::function<void(KordexModule::ReportWindow&)> createSet;
  ChartBuilderFn drawChart = nullptr;
  if (caption == "COMPONENTS PER HOUR") {
    createSet = KordexModule::CreateCompsPerHourConstraints;
    drawChart = KordexModule::DrawCompsPerHourChart;
  } else if (caption == "PRODUCTIVITY") {
    createSet = KordexModule::CreateProductivityConstraints;
    drawChart = KordexModule::DrawProductivityChart;
  } else if (caption == "EFFICIENCY") {
    createSet = KordexModule::CreateEfficiencyConstraints;
    drawChart = KordexModule::DrawEfficiencyChart;
  } else if (caption == "BOARD COUNT") {
    createSet = [](KordexModule::ReportWindow& chart) {
      KordexModule::CreateBoardCountConstraints(chart, true);
    };
    drawChart = KordexModule::DrawBoardCountChart;
  } else {
    return;
  }
  if (!ChosenLineAvailable() || !KordexModule::SelectDateRange()) return;
  const auto chart = OpenReport(createSet, drawChart);
  // Closed while it was being built: it went as the build ended.
  if (!chart->IsLoaded()) return;
  chart->Form_Resize();
  chart->SetFocus();
}

std::shared_ptr<ChartForm> MainForm::OpenReport(
    const std::function<void(KordexModule::ReportWindow&)>& CreateSet, ChartBuilderFn DrawChart) {
  KordexModule::ReportWork work;
  const auto chart = CreateNewChartForm();
  try {
    ChartReportWindow window(*chart);
    CreateSet(window);
    DrawChart(window, true);
    AddToReportList(*chart);
  } catch (...) {
    // The close waits for the report work, so it runs as the error leaves.
    chart->Unload();
    throw;
  }
  return chart;
}

void MainForm::OpenCompWastageReport(bool Percent) {
  if (!ChosenLineAvailable() || !KordexModule::SelectDateRange()) return;
  OpenReport(
      [Percent](KordexModule::ReportWindow& chart) {
        KordexModule::CreateCompWastageConstraints(chart, Percent);
      },
      KordexModule::DrawCompWastageChart);
}

void MainForm::OpenBoardCountReport(bool Accumulated) {
  if (!ChosenLineAvailable()) return;
  // No range chosen yet in this run: the window the date prompt would offer.
  if (KordexModule::ReportDateFrom.Serial == 0 && KordexModule::ReportDateTo.Serial == 0)
    KordexModule::DefaultReportDateRange(KordexModule::ReportDateFrom, KordexModule::ReportDateTo);
  OpenReport(
      [Accumulated](KordexModule::ReportWindow& chart) {
        KordexModule::CreateBoardCountConstraints(chart, Accumulated);
      },
      KordexModule::DrawBoardCountChart);
}

bool MainForm::ChosenLineAvailable() {
  if (ReportMissingDataDirectory("No chart is opened until it can be reached or another one is "
                                 "chosen under Edit, Preferences.",
                                 true))
    return false;
  // Line folders added since the table was built are found now.
  if (KordexModule::ProductionLines.Count() == 0) KordexModule::LoadProductionLines();
  if (KordexModule::ProductionLines.Count() == 0) {
    TellDataDirectoryProblem(NoProductionLinesText() +
                             "No chart is opened: add line folders (Line1, Line2 ...) to it or "
                             "choose another one under Edit, Preferences.");
    return false;
  }
  // The line may have been chosen by another run of the program.
  const int16_t chosen = KordexModule::RememberedLine(Platform::App::EXEName());
  for (const ProductionLineInfo& line : KordexModule::ProductionLines.Lines)
    if (line.LineNumber == chosen) return true;
  TellDataDirectoryProblem("Line " + std::to_string(chosen) + " is not in the data directory '" +
                           DataDirectoryText() +
                           "'.\r\nNo chart is opened: choose a line from the Production Lines "
                           "menu.");
  return false;
}

ChartForm* MainForm::ChartOfGraph(const std::shared_ptr<Dravex::Graph>& Graph) const {
  if (!Graph) return nullptr;
  for (Platform::Form* form : Platform::Forms::All()) {
    auto* chart = dynamic_cast<ChartForm*>(form);
    if (chart != nullptr && chart->PRDGraph.Object() == Graph) return chart;
  }
  return nullptr;
}

void MainForm::objConstraintsCol_MenuSelection(
    std::shared_ptr<Morvelt::TavroSPCConstraints>& NewTavroSPCConstraints, bool& CreateNewForm) {
  KordexModule::ReportWork work;
  std::shared_ptr<ChartForm> chart;
  try {
    if (CreateNewForm) {
      chart = CreateNewChartForm();
      NewTavroSPCConstraints->SPCGraph(chart->PRDGraph.Object());
      objConstraintsCol->Add(NewTavroSPCConstraints, chart->Tag());
    }
    // A set whose graph no chart window holds any more has nothing to draw.
    if (ChartForm* window = ChartOfGraph(NewTavroSPCConstraints->SPCGraph())) {
      if (const ChartBuilderFn drawChart =
              ChartBuilderOf(Runtime::UCase(NewTavroSPCConstraints->Name()))) {
        ChartReportWindow report(*window);
        drawChart(report, CreateNewForm);
      }
    }
    if (CreateNewForm) AddToReportList(*chart);
  } catch (...) {
    if (chart) chart->Unload();
    throw;
  }
  NewTavroSPCConstraints.reset();
}

void MainForm::objPreferences_AfterChange(std::shared_ptr<clsPreference>& Preference,
                                          Runtime::Variant OldValue) {
  if (Runtime::UCase(Preference->Name()) != "DATA DIRECTORY") return;
  if (Runtime::UCase(Runtime::CStr(OldValue)) == Runtime::UCase(Runtime::CStr(Preference->Value())))
    return;
  KordexModule::LoadProductionLines();
}

void MainForm::objPreferences_BeforeChange(std::shared_ptr<clsPreference>& /*Preference*/,
                                           Runtime::Variant /*NewValue*/, bool& /*Cancel*/) {}

}  // namespace Kordex
