#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Variant.h"
#include "viewer/data/PRDChart.h"
#include "viewer/data/PRDModule.h"
#include "viewer/data/PRDQuery.h"

namespace Kordex {

// The arithmetic of one load: what each run of each summary file adds to
// which series at which X position, what is kept in tallies instead, and what
// the tallies give at the end of each day and of the range. Every point is a
// pair added by increment: Y the numerator of the measure, TempValue its
// denominator; the report turns them into a percentage or a rate later.
//
// Sums that a long range can take past 32 bits (components, seconds,
// capacities) are kept in 64 bits.
class PRDAggregation {
 public:
  // The query and the machine table must outlive the aggregation.
  PRDAggregation(const PRDQuery& Query, const MachineTable& Machines, PRDChart& Chart);

  // The measure's fixed series, made when the chart lacks them.
  void MakeSeries();
  // A new day: its X label when grouping by date, and the day's tallies.
  void StartDay(Runtime::DateTime Day);
  // One file of machine Machine (1-based, its folder number) that passed the
  // filters: its error kinds' labels when grouping by error, then its runs.
  // False, with nothing of the file added, when a figure it adds to would pass
  // the range of a 64-bit integer (a placement capacity, say): the file is one
  // to leave out.
  bool AddSummary(const PrdSummary& Summary, int16_t Machine);
  void EndDay();
  void EndRange();

  // One machine's tally within a product's: its seconds and good components.
  struct MachineTally {
    int64_t TotalSeconds = 0;
    int64_t RunningSeconds = 0;
    int16_t MachineNumber = 0;
    int64_t Components = 0;
  };
  // A product's tally: the runs whose run key parts equal these.
  struct ProductTally {
    std::string Name;
    std::string Detail;
    int32_t Side = 0;
    std::vector<MachineTally> MachineTallies;
  };

  // The run's key: its name, "_" and its detail when there is one, and "_T" or
  // "_B" for side 1 or 2.
  static std::string RunKey(const PrdRun& Run);
  static std::string RunKey(const std::string& Name, const std::string& Detail, int32_t Side);

 private:
  void AddRun(const PrdRun& Run, int16_t Machine);
  void AddWastage(const PrdRun& Run, int16_t Machine);
  void AddItems(const std::vector<PrdItem>& Items, const std::string& Run, int16_t Machine);
  bool AddEfficiency(const PrdRun& Run, int16_t Machine);
  // Whether the capacities the chart will be given, after a change of the
  // product's tally, stay within 64 bits.
  bool CapacityFits(const ProductTally& Changed) const;
  void AddProductivity(const PrdRun& Run, int16_t Machine);
  void AddBoardCount(const PrdRun& Run, int16_t Machine);
  void AddComponentsPerHour(const PrdRun& Run, int16_t Machine);

  ProductTally& TallyOf(const PrdRun& Run);
  static MachineTally& MachineTallyOf(ProductTally& Product, int16_t Machine);
  // The day's position, 0 when the chart is not grouped by date.
  int16_t DayPosition() const { return dayPosition_; }
  // The machine's X label (its name) and the series of its name.
  int16_t MachinePosition(int16_t Machine);
  PRDChart::SeriesSlot MachineSeries(int16_t Machine);
  const std::string& MachineNameOf(int16_t Machine);
  // A product's longest running seconds, summed placement speed and good
  // components over its machines.
  struct ProductFigures {
    int64_t Longest = 0;
    float Speed = 0.0F;
    int64_t Components = 0;
  };
  ProductFigures FiguresOf(const ProductTally& Product) const;
  // The machine tally with the largest running seconds (the first of equal
  // ones), nothing when the product has none.
  static const MachineTally* LongestRunning(const ProductTally& Product);

  const PRDQuery& query_;
  const MachineTable& machines_;
  PRDChart& chart_;
  bool partNumberFiltered_;
  bool headFiltered_;
  bool byDate_;
  Runtime::DateTime day_;
  int16_t dayPosition_ = 0;
  std::vector<ProductTally> products_;
  // The fixed series of the measure.
  std::optional<PRDChart::SeriesSlot> main_;     // "Wastage", "Efficiency", "Productivity", "CPH"
  std::optional<PRDChart::SeriesSlot> total_;    // "Total"
  std::optional<PRDChart::SeriesSlot> perHour_;  // "Per Hour"
  // Per machine (index m - 1): its name, label position and series.
  std::vector<std::optional<std::string>> machineNames_;
  std::vector<int16_t> machinePositions_;
  std::vector<std::optional<PRDChart::SeriesSlot>> machineSeries_;
  // Per machine and product, the heads' or feeders' keys of its last file, in
  // order, with their label positions.
  struct ItemLabels {
    std::string Run;
    std::vector<std::pair<std::string, int16_t>> Items;
  };
  std::vector<std::vector<ItemLabels>> itemLabels_;
  // Per error kind of the current file: its label position.
  std::vector<int16_t> errorPositions_;
};

}  // namespace Kordex
