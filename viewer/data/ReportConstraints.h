#pragma once

#include "viewer/data/ReportHost.h"

namespace Kordex::KordexModule {

// The constraint set of a new chart window: the report's name, its drill-down
// categories with their menu tools of the main window's toolbar, the chart's
// graph, the subject Date and the report date range as the Date constraint.
// The set goes into the program's collection under the window's tag; a tag
// already there (457) or a tool missing from the toolbar raises, and the set
// is then not in the collection.
void CreateCompWastageConstraints(ReportWindow& Chart, bool Percent);
void CreateProductivityConstraints(ReportWindow& Chart);
void CreateCompsPerHourConstraints(ReportWindow& Chart);
void CreateEfficiencyConstraints(ReportWindow& Chart);
// Actual and accumulated board counts make the same set.
void CreateBoardCountConstraints(ReportWindow& Chart, bool Accumulated);

}  // namespace Kordex::KordexModule
