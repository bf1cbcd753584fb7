#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/viewer_load/ReportExpectation.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "tools/sampledata/SampleData.h"
#include "viewer/data/PRDQuery.h"
#include "viewer/shell/ChartForm.h"

// The main window over a generated data directory whose files the test knows
// (two lines of three and two machines, 1 to 9 March 2026, three products),
// the date prompt answering with those days, and at most two Pareto entries.
class ReportShellTest : public ShellTest {
 protected:
  void SetUp() override;

  // The chart window of the tag; nullptr when none is loaded.
  static Kordex::ChartForm* Chart(const std::string& tag);
  // The chart window made last.
  static Kordex::ChartForm& NewestChart();
  static int ChartWindows();
  // A shortcut of the bar chosen, as a click on it would.
  void SelectShortCut(const std::string& caption);
  // Points first to last of the chart selected, then tool picked from the
  // menu the chart's set pops up.
  void DrillDown(Kordex::ChartForm& chart, int16_t first, int16_t last, const std::string& tool);
  // Every point of the chart selected, then tool picked.
  void DrillDown(Kordex::ChartForm& chart, const std::string& tool);
  // The request of a chart over the chosen days of line 1.
  static Kordex::PRDQuery Request(Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping);
  // The chart shows what the generated files give for the request: caption,
  // subtitle, X-axis title, points and labels, X window.
  void ExpectReport(Kordex::ChartForm& chart, const Kordex::PRDQuery& request,
                    const std::string& caption, const std::string& xTitle, bool percent = false);

  TestSupport::TempDir dir;
  std::filesystem::path root;
  std::vector<Kordex::SampleData::WrittenFile> files;
  std::vector<std::filesystem::path> leftOut;
  std::string toolPicked;
};
