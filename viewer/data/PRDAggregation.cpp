#include "viewer/data/PRDAggregation.h"

#include <algorithm>
#include <cmath>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/Format.h"

namespace Kordex {

namespace {

using Dravex::SeriesStyleType;

const std::string Wastage = "Wastage";
const std::string Efficiency = "Efficiency";
const std::string Productivity = "Productivity";
const std::string Total = "Total";
const std::string PerHour = "Per Hour";
const std::string CPH = "CPH";

bool IsEmpty(const Runtime::CollectionRef& filter) {
  return !filter || filter->Count() == 0;
}

int64_t Sum(const std::vector<int32_t>& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum += v;
  return sum;
}

int64_t TimeOf(const PrdRunTime& table) {
  return int64_t{table.RunningSeconds} + table.WaitingSeconds + table.StoppedSeconds;
}

// Components placed: the larger of the feeder and the head figures.
int64_t Placed(const PrdRun& run) {
  return std::max<int64_t>(run.FeederTotal, run.HeadTotal);
}

// The table with the most running seconds, the first of equal ones.
const PrdRunTime& LongestTable(const PrdRun& run) {
  const PrdRunTime* longest = &run.Tables.front();
  for (const PrdRunTime& table : run.Tables) {
    if (table.RunningSeconds > longest->RunningSeconds) longest = &table;
  }
  return *longest;
}

// The first table's length in hundredths of an hour: a count over it, times
// 100, is a rate per hour.
double Hours100(const PrdRun& run) {
  return static_cast<double>(TimeOf(run.Tables.front())) / 36.0;
}

// speed x seconds rounded to a whole number, halves to even; false when that
// passes the range of a 64-bit integer.
bool RoundedCapacity(float speed, int64_t seconds, int64_t& capacity) {
  constexpr double limit = 9223372036854775808.0;  // 2^63
  const double value =
      Runtime::RoundHalfEven(static_cast<double>(speed) * static_cast<double>(seconds));
  if (!(value > -limit && value < limit)) return false;
  capacity = static_cast<int64_t>(value);
  return true;
}

}  // namespace

PRDAggregation::PRDAggregation(const PRDQuery& Query, const MachineTable& Machines, PRDChart& Chart)
    : query_(Query),
      machines_(Machines),
      chart_(Chart),
      partNumberFiltered_(!IsEmpty(Query.PartNumberFilter)),
      headFiltered_(!IsEmpty(Query.HeadFilter)),
      byDate_(Query.Grouping == GroupByDate),
      machineNames_(static_cast<size_t>(Machines.MachineCount())),
      machinePositions_(static_cast<size_t>(Machines.MachineCount()), 0),
      machineSeries_(static_cast<size_t>(Machines.MachineCount())),
      itemLabels_(static_cast<size_t>(Machines.MachineCount())) {}

std::string PRDAggregation::RunKey(const std::string& Name, const std::string& Detail,
                                   int32_t Side) {
  std::string key = Name;
  if (!Detail.empty()) key += "_" + Detail;
  if (Side == 1) {
    key += "_T";
  } else if (Side == 2) {
    key += "_B";
  }
  return key;
}

std::string PRDAggregation::RunKey(const PrdRun& Run) {
  return RunKey(Run.Name, Run.Detail, Run.Side);
}

void PRDAggregation::MakeSeries() {
  const SeriesStyleType style = byDate_ ? SeriesStyleType::LineGraph : SeriesStyleType::BarGraph;
  switch (query_.Measure) {
    case MeasureWastage:
      if (!byDate_) main_ = chart_.EnsureSeries(Wastage, SeriesStyleType::BarGraph);
      break;
    case MeasureEfficiency: main_ = chart_.EnsureSeries(Efficiency, style); break;
    case MeasureProductivity: main_ = chart_.EnsureSeries(Productivity, style); break;
    case MeasureBoardCount:
      total_ = chart_.EnsureSeries(Total, style);
      perHour_ = chart_.EnsureSeries(PerHour, style);
      break;
    case MeasureComponentsPerHour:
      if (!byDate_) {
        main_ = chart_.EnsureSeries(CPH, SeriesStyleType::BarGraph);
      } else if (!query_.MachineFilter || query_.MachineFilter->Count() != 1) {
        total_ = chart_.EnsureSeries(Total, SeriesStyleType::LineGraph);
      }
      break;
  }
}

void PRDAggregation::StartDay(Runtime::DateTime Day) {
  day_ = Day;
  if (!byDate_) return;
  const Runtime::Variant date(Day);
  dayPosition_ = chart_.EnsureLabel(Runtime::Format(date, "yyyymmdd"),
                                    Runtime::Format(date, "Short Date"), date);
  products_.clear();
}

bool PRDAggregation::AddSummary(const PrdSummary& Summary, int16_t Machine) {
  // Efficiency keeps tallies, so a file can be tried first and left out whole.
  if (query_.Measure == MeasureEfficiency) {
    for (const PrdRun& run : Summary.Runs) {
      if (!AddEfficiency(run, Machine)) return false;
    }
  }
  if (query_.Grouping == GroupByError) {
    errorPositions_.clear();
    for (const std::string& name : Summary.ErrorNames) {
      errorPositions_.push_back(chart_.EnsureLabel(name));
    }
  }
  if (query_.Measure != MeasureEfficiency) {
    for (const PrdRun& run : Summary.Runs) AddRun(run, Machine);
  }
  return true;
}

void PRDAggregation::AddRun(const PrdRun& Run, int16_t Machine) {
  switch (query_.Measure) {
    case MeasureWastage: AddWastage(Run, Machine); break;
    case MeasureEfficiency: break;  // tried first by AddSummary
    case MeasureProductivity: AddProductivity(Run, Machine); break;
    case MeasureBoardCount: AddBoardCount(Run, Machine); break;
    case MeasureComponentsPerHour: AddComponentsPerHour(Run, Machine); break;
  }
}

void PRDAggregation::AddItems(const std::vector<PrdItem>& Items, const std::string& Run,
                              int16_t Machine) {
  // A machine lists the heads and feeders of one product in much the same
  // order from run to run: the item at the same place in its last file of the
  // product is tried before the chart's index.
  std::vector<ItemLabels>& runs = itemLabels_.at(static_cast<size_t>(Machine) - 1);
  auto found = std::find_if(runs.begin(), runs.end(),
                            [&](const ItemLabels& labels) { return labels.Run == Run; });
  if (found == runs.end()) {
    // A few products at a time: one seen long ago gives its place up.
    constexpr size_t kept = 16;
    if (runs.size() < kept) runs.emplace_back();
    found = runs.end() - 1;
    found->Run = Run;
  }
  std::vector<std::pair<std::string, int16_t>>& last = found->Items;
  if (last.size() < Items.size()) last.resize(Items.size());
  for (size_t i = 0; i < Items.size(); ++i) {
    const PrdItem& item = Items[i];
    auto& [key, known] = last[i];
    if (known == 0 || key != item.Key) {
      known = chart_.EnsureLabel(item.Key);
      key = item.Key;
    }
    const int16_t position = known;
    // An item without error kinds has its label and no point.
    if (item.Errors.empty()) continue;
    chart_.Add(*main_, Sum(item.Errors), item.Total, position);
  }
}

void PRDAggregation::AddWastage(const PrdRun& Run, int16_t Machine) {
  // Under a filter, the errors and the placements counted are those of the
  // heads or part numbers kept, so that the share is not diluted.
  const std::vector<int32_t>& errorTotals =
      partNumberFiltered_ ? Run.FeederErrorTotals : Run.HeadErrorTotals;
  const int64_t errors = Sum(errorTotals);
  const int64_t placed = partNumberFiltered_ ? Run.FeederTotal
                         : headFiltered_     ? Run.HeadTotal
                                             : Placed(Run);
  switch (query_.Grouping) {
    case GroupByPartNumber: AddItems(Run.Feeders, Run.Name, Machine); break;
    case GroupByHead: AddItems(Run.Heads, Run.Name, Machine); break;
    case GroupByError: {
      // Each kind at the label of its own name: machines list their kinds in
      // orders of their own.
      const int64_t total = partNumberFiltered_ ? Run.FeederTotal : Run.HeadTotal;
      const size_t kinds = std::min(errorTotals.size(), errorPositions_.size());
      for (size_t e = 0; e < kinds; ++e) {
        chart_.Add(*main_, errorTotals[e], total, errorPositions_[e]);
      }
      break;
    }
    case GroupByProduct: chart_.Add(*main_, errors, placed, chart_.EnsureLabel(RunKey(Run))); break;
    case GroupByMachine: chart_.Add(*main_, errors, placed, MachinePosition(Machine)); break;
    case GroupByDate: chart_.Add(MachineSeries(Machine), errors, placed, DayPosition()); break;
  }
}

bool PRDAggregation::AddEfficiency(const PrdRun& Run, int16_t Machine) {
  const size_t productCount = products_.size();
  ProductTally& product = TallyOf(Run);
  const size_t tallyCount = product.MachineTallies.size();
  MachineTally& tally = MachineTallyOf(product, Machine);
  const MachineTally before = tally;
  if (!Run.Tables.empty()) tally.RunningSeconds += LongestTable(Run).RunningSeconds;
  tally.Components += Placed(Run) - Sum(Run.HeadErrorTotals);
  if (CapacityFits(product)) return true;
  // Taken back whole, new entries included: a machine's tally adds its speed.
  if (products_.size() != productCount) {
    products_.pop_back();
  } else if (product.MachineTallies.size() != tallyCount) {
    product.MachineTallies.pop_back();
  } else {
    tally = before;
  }
  return false;
}

bool PRDAggregation::CapacityFits(const ProductTally& Changed) const {
  int64_t capacity = 0;
  if (query_.Grouping == GroupByProduct) {
    const ProductFigures figures = FiguresOf(Changed);
    return RoundedCapacity(figures.Speed, figures.Longest, capacity);
  }
  if (query_.Grouping != GroupByDate) return true;
  int64_t total = 0;
  for (const ProductTally& product : products_) {
    const ProductFigures figures = FiguresOf(product);
    if (!RoundedCapacity(figures.Speed, figures.Longest, capacity) ||
        __builtin_add_overflow(total, capacity, &total)) {
      return false;
    }
  }
  return true;
}

void PRDAggregation::AddProductivity(const PrdRun& Run, int16_t Machine) {
  if (query_.Grouping == GroupByMachine) {
    const int16_t position = MachinePosition(Machine);
    if (Run.Tables.empty()) return;
    const PrdRunTime& longest = LongestTable(Run);
    chart_.Add(*main_, longest.RunningSeconds, TimeOf(longest), position);
    return;
  }
  ProductTally& product = TallyOf(Run);
  if (Run.Tables.empty()) return;
  const PrdRunTime& longest = LongestTable(Run);
  MachineTally& tally = MachineTallyOf(product, Machine);
  tally.TotalSeconds += TimeOf(longest);
  tally.RunningSeconds += longest.RunningSeconds;
}

void PRDAggregation::AddBoardCount(const PrdRun& Run, int16_t Machine) {
  // The boards of a run are counted once, at the line's first machine.
  if (Machine != 1 || Run.Tables.empty()) return;
  int16_t position = 0;
  if (query_.Grouping == GroupByProduct) {
    position = chart_.EnsureLabel(RunKey(Run));
  } else if (byDate_) {
    position = DayPosition();
  } else {
    return;
  }
  chart_.Add(*perHour_, Run.BoardCount, Runtime::Variant(Hours100(Run)), position);
  chart_.Add(*total_, Run.BoardCount, 0, position);
}

void PRDAggregation::AddComponentsPerHour(const PrdRun& Run, int16_t Machine) {
  if (Run.Tables.empty()) return;
  const int64_t placed = Placed(Run);
  const Runtime::Variant hours(Hours100(Run));
  switch (query_.Grouping) {
    case GroupByMachine: chart_.Add(*main_, placed, hours, MachinePosition(Machine)); break;
    case GroupByProduct: chart_.Add(*main_, placed, hours, chart_.EnsureLabel(RunKey(Run))); break;
    case GroupByDate: chart_.Add(MachineSeries(Machine), placed, hours, DayPosition()); break;
    default: break;
  }
}

void PRDAggregation::EndDay() {
  // The day's sums go to the graph before the event loop or a read of the
  // points below can see it.
  chart_.Flush();
  if (!byDate_) return;
  const int16_t p = DayPosition();
  switch (query_.Measure) {
    case MeasureComponentsPerHour: {
      if (!chart_.HasSeries(Total)) break;
      const PRDChart::SeriesSlot total = chart_.EnsureSeries(Total, SeriesStyleType::LineGraph);
      // The day's total rate is the sum of the machines' rates. A machine
      // whose runs took no time that day has no rate and adds nothing.
      for (const auto& [y, t] : chart_.PointsAt(p, Total)) {
        if (y.IsNull() || y.IsEmpty() || Runtime::CDbl(t) == 0.0) continue;
        chart_.Add(total, Runtime::Variant(Runtime::CDbl(y) / Runtime::CDbl(t) * 100.0),
                   Runtime::Variant(int32_t{0}), p);
      }
      break;
    }
    case MeasureProductivity:
      // A product's productivity is that of its longest-running machine.
      for (const ProductTally& product : products_) {
        if (const MachineTally* longest = LongestRunning(product)) {
          chart_.Add(*main_, longest->RunningSeconds, longest->TotalSeconds, p);
        }
      }
      break;
    case MeasureEfficiency: {
      int64_t components = 0;
      int64_t running = 0;
      int64_t capacity = 0;
      for (const ProductTally& product : products_) {
        const ProductFigures figures = FiguresOf(product);
        components += figures.Components;
        running += figures.Longest;
        // Within range: every file that would pass it was left out.
        int64_t productCapacity = 0;
        RoundedCapacity(figures.Speed, figures.Longest, productCapacity);
        capacity += productCapacity;
      }
      if (running > 0) chart_.Add(*main_, components, capacity, p);
      break;
    }
    default: break;
  }
  chart_.Flush();
}

void PRDAggregation::EndRange() {
  if (query_.Measure == MeasureEfficiency && query_.Grouping == GroupByProduct) {
    for (const ProductTally& product : products_) {
      const int16_t position =
          chart_.EnsureLabel(RunKey(product.Name, product.Detail, product.Side));
      const ProductFigures figures = FiguresOf(product);
      int64_t capacity = 0;
      if (figures.Longest > 0 && RoundedCapacity(figures.Speed, figures.Longest, capacity)) {
        chart_.Add(*main_, figures.Components, capacity, position);
      }
    }
  } else if (query_.Measure == MeasureEfficiency && query_.Grouping == GroupByMachine) {
    // Every machine of the line gets its label, with or without a point.
    for (int16_t i = 1; i <= machines_.MachineCount(); ++i) {
      const int16_t number = machines_.Machines[static_cast<size_t>(i) - 1].MachineNumber;
      int64_t running = 0;
      int64_t components = 0;
      for (const ProductTally& product : products_) {
        for (const MachineTally& tally : product.MachineTallies) {
          if (tally.MachineNumber != number) continue;
          running += tally.RunningSeconds;
          components += tally.Components;
        }
      }
      const int16_t position = MachinePosition(i);
      if (running > 0) {
        chart_.Add(*main_,
                   Runtime::Variant(static_cast<double>(components) / static_cast<double>(running)),
                   Runtime::Variant(machines_.PlacementSpeed(i)), position);
      }
    }
  } else if (query_.Measure == MeasureProductivity && query_.Grouping == GroupByProduct) {
    for (const ProductTally& product : products_) {
      const int16_t position =
          chart_.EnsureLabel(RunKey(product.Name, product.Detail, product.Side));
      if (const MachineTally* longest = LongestRunning(product)) {
        chart_.Add(*main_, longest->RunningSeconds, longest->TotalSeconds, position);
      }
    }
  }
  chart_.Flush();
}

PRDAggregation::ProductTally& PRDAggregation::TallyOf(const PrdRun& Run) {
  // Names that differ only in case are one product.
  for (ProductTally& product : products_) {
    if (product.Side == Run.Side && Runtime::EqualsNoCase(product.Name, Run.Name) &&
        Runtime::EqualsNoCase(product.Detail, Run.Detail)) {
      return product;
    }
  }
  products_.push_back({Run.Name, Run.Detail, Run.Side, {}});
  return products_.back();
}

PRDAggregation::MachineTally& PRDAggregation::MachineTallyOf(ProductTally& Product,
                                                             int16_t Machine) {
  for (MachineTally& tally : Product.MachineTallies) {
    if (tally.MachineNumber == Machine) return tally;
  }
  Product.MachineTallies.push_back({.MachineNumber = Machine});
  return Product.MachineTallies.back();
}

const PRDAggregation::MachineTally* PRDAggregation::LongestRunning(const ProductTally& Product) {
  const MachineTally* longest = nullptr;
  for (const MachineTally& tally : Product.MachineTallies) {
    if (longest == nullptr || tally.RunningSeconds > longest->RunningSeconds) longest = &tally;
  }
  return longest;
}

PRDAggregation::ProductFigures PRDAggregation::FiguresOf(const ProductTally& Product) const {
  ProductFigures figures;
  for (const MachineTally& tally : Product.MachineTallies) {
    figures.Longest = std::max(figures.Longest, tally.RunningSeconds);
    figures.Speed += machines_.PlacementSpeed(tally.MachineNumber);
    figures.Components += tally.Components;
  }
  return figures;
}

const std::string& PRDAggregation::MachineNameOf(int16_t Machine) {
  std::optional<std::string>& name = machineNames_.at(static_cast<size_t>(Machine) - 1);
  if (!name) name = machines_.MachineName(Machine);
  return *name;
}

int16_t PRDAggregation::MachinePosition(int16_t Machine) {
  int16_t& position = machinePositions_.at(static_cast<size_t>(Machine) - 1);
  if (position == 0) position = chart_.EnsureLabel(MachineNameOf(Machine));
  return position;
}

PRDChart::SeriesSlot PRDAggregation::MachineSeries(int16_t Machine) {
  std::optional<PRDChart::SeriesSlot>& slot = machineSeries_.at(static_cast<size_t>(Machine) - 1);
  if (!slot) slot = chart_.EnsureSeries(MachineNameOf(Machine), SeriesStyleType::LineGraph);
  return *slot;
}

}  // namespace Kordex
