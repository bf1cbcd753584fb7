#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphControlLimit.h"
#include "graph/model/GraphStdDev.h"
#include "graph/model/GraphTrend.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// The statistics settings of one series: which of its mean and
// standard-deviation lines, specification limits and trend line are drawn,
// and which alarm applies to it. Settings only; the statistics code turns
// them into sections when the graph is drawn.
class DRAVEX_API GraphStats : public DravexObject {
 public:
  GraphStats();
  ~GraphStats() override;

  // Kept and saved with the other settings; nothing draws it.
  bool MeanBar() const { return meanBar_; }
  void MeanBar(bool value) { meanBar_ = value; }

  // LowerLimit or UpperLimit; any other index raises subscript out of range (9).
  std::shared_ptr<GraphControlLimit> Limits(enuLimits index) const;
  void Limits(enuLimits index, std::shared_ptr<GraphControlLimit> value);

  // The line at index standard deviations from the mean, -3 to -1 and 1 to 3.
  // Any other index, 0 (the mean) included, gives nothing (nullptr) and is
  // ignored when set.
  std::shared_ptr<GraphStdDev> StdDev(int16_t index) const;
  void StdDev(int16_t index, std::shared_ptr<GraphStdDev> value);
  // Those indices, in the order the lines are kept and shown.
  static constexpr std::array<int16_t, 6> StdDevIndices{-3, -2, -1, 1, 2, 3};

  // The mean line.
  std::shared_ptr<GraphStdDev> Mean() const;
  void Mean(std::shared_ptr<GraphStdDev> value);

  std::shared_ptr<GraphTrend> Trend() const;
  void Trend(std::shared_ptr<GraphTrend> value) { trend_ = std::move(value); }

  AlarmType Alarm() const { return alarm_; }
  void Alarm(AlarmType value) { alarm_ = value; }

 private:
  static constexpr int16_t StdDevLines = 3;

  bool meanBar_ = false;
  std::shared_ptr<GraphTrend> trend_;
  // Indices -3 to 3 at 0 to 6.
  std::array<std::shared_ptr<GraphStdDev>, 2 * StdDevLines + 1> stdDev_;
  std::array<std::shared_ptr<GraphControlLimit>, 2> limits_;
  AlarmType alarm_ = AlarmType::AlarmNone;
};

}  // namespace Dravex
