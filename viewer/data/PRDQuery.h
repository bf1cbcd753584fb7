#pragma once

#include <cstdint>
#include <memory>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Kordex {

// What a chart's X axis (or, by date, its series) is grouped by.
enum PRDGrouping : int32_t {
  GroupByDate = 0,
  GroupByProduct = 1,
  GroupByPartNumber = 2,
  GroupByError = 3,
  GroupByHead = 4,
  GroupByMachine = 5,
};

// What a chart accumulates.
enum PRDMeasure : int32_t {
  MeasureWastage = 0,  // component wastage
  MeasureEfficiency = 1,
  MeasureProductivity = 2,
  MeasureBoardCount = 3,
  MeasureComponentsPerHour = 4,
};

// A report request: one measure by one grouping over the days FromDate to
// ToDate (both included, times of day ignored) of one line, through five
// filters. A filter lets everything through when it is empty, otherwise the
// names it holds as keys (without regard to case); a filter that is nothing
// counts as empty.
struct PRDQuery {
  PRDGrouping Grouping = GroupByDate;
  PRDMeasure Measure = MeasureWastage;
  Runtime::DateTime FromDate;
  Runtime::DateTime ToDate;
  // Head keys ("2-5", or the spindle alone), handed to the summary reader.
  Runtime::CollectionRef HeadFilter = std::make_shared<Runtime::Collection>();
  // Product names; a file of another product is not read.
  Runtime::CollectionRef ProductFilter = std::make_shared<Runtime::Collection>();
  // Machine names as MachineName gives them; a file of another machine is not
  // read. With exactly one entry, Components Per Hour by date makes no "Total".
  Runtime::CollectionRef MachineFilter = std::make_shared<Runtime::Collection>();
  // Part numbers, handed to the summary reader; when it is not empty, wastage
  // is counted from the feeder figures instead of the head figures.
  Runtime::CollectionRef PartNumberFilter = std::make_shared<Runtime::Collection>();
  // Error kinds chosen; carried to the reader, which reads every kind.
  Runtime::CollectionRef ErrorFilter = std::make_shared<Runtime::Collection>();
  int16_t LineNumber = 1;
};

}  // namespace Kordex
