#pragma once

#include <memory>
#include <string>

#include "viewer/data/PRDLoadHost.h"
#include "viewer/data/PRDQuery.h"

namespace Dravex {
class Graph;
}

namespace Kordex {

// Loads one report request into a chart's graph: reads the line's machine
// table (the program's table becomes that line's), then for every day of the
// range and every machine of the line reads each summary file
// "Line<n>/History/<yyyy_mm_dd>/Machine Prd/M<m>/?????_????_MachinePRDSummary_*.KVX"
// below DataDirectory (ending in "/") whose machine and product pass the
// query's filters, and adds the measure by the grouping to the graph as
// series, X labels and points (Y the numerator, TempValue the denominator).
// The graph's points and labels are expected empty; series already there are
// used.
//
// With ShowProgress, a load window shows the Kbytes read of the Kbytes in all
// while there is anything to read, repainted at most once a frame (by the
// host's clock) and after the last file. Before each day's files the event
// loop gets its turn: another load may run meanwhile (each load keeps its own
// machine table, window and query), and when the chart is closed the load
// stops. A file that cannot be read or whose figures are not sound is left out
// and the load goes on; after the load one message names the files left out.
// The load window is gone on return, also when an error ends the load.
void LoadPRDSummaryData(const PRDQuery& Query, const std::shared_ptr<Dravex::Graph>& Graph,
                        const std::string& DataDirectory, bool ShowProgress);
// The same with the host given instead of the program's.
void LoadPRDSummaryData(const PRDQuery& Query, const std::shared_ptr<Dravex::Graph>& Graph,
                        const std::string& DataDirectory, bool ShowProgress,
                        const std::shared_ptr<PRDLoadHost>& Host);

// The product a summary file's name names: the text between
// "MachinePRDSummary_" and the extension ("" when there is none).
std::string ProductOfFileName(const std::string& FileName);

}  // namespace Kordex
