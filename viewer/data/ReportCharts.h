#pragma once

#include "viewer/data/ReportHost.h"

namespace Kordex::KordexModule {

// The chart builders: each fills the chart window from its constraint set
// (kept in the program's collection under the window's tag) in place. It
// clears the graph's points and labels, keeping its series, loads the report
// by the set's subject, then captions, titles, orders and scales the chart,
// loads the saved graph preferences of the chart and draws it. A subject the
// report does not know loads nothing and leaves caption and titles, and so
// does a set without subject. ShowProgress goes to the loader, which then
// shows its load window.
//
// Nothing is trapped: a window without set, a set without "Date" constraint
// and the errors of the loader and the graph reach the caller.
void DrawProductivityChart(ReportWindow& Form, bool ShowProgress);
void DrawEfficiencyChart(ReportWindow& Form, bool ShowProgress);
void DrawCompsPerHourChart(ReportWindow& Form, bool ShowProgress);
void DrawBoardCountChart(ReportWindow& Form, bool ShowProgress);
// Actual counts with a Pareto line, or percentages ("Type" = "Percent"), by
// date, product, machine, head, part number or error.
void DrawCompWastageChart(ReportWindow& Form, bool ShowProgress);

}  // namespace Kordex::KordexModule
