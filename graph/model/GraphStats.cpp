#include "graph/model/GraphStats.h"

#include "graph/model/ObjectAccess.h"
#include "runtime/Error.h"

namespace Dravex {

namespace {

size_t LimitSlot(enuLimits index) {
  const auto slot = static_cast<int32_t>(index);
  if (slot < 0 || slot > 1) Runtime::Raise(Runtime::ErrorNumber::SubscriptOutOfRange);
  return static_cast<size_t>(slot);
}

// The slot of a line off the mean, or -1 for the mean and out-of-range indices.
int32_t StdDevSlot(int16_t index, int16_t lines) {
  if (index == 0 || index < -lines || index > lines) return -1;
  return index + lines;
}

}  // namespace

GraphStats::GraphStats() : trend_(std::make_shared<GraphTrend>()) {
  for (auto& line : stdDev_) line = std::make_shared<GraphStdDev>();
  for (auto& limit : limits_) limit = std::make_shared<GraphControlLimit>();
}

GraphStats::~GraphStats() = default;

std::shared_ptr<GraphControlLimit> GraphStats::Limits(enuLimits index) const {
  return Required(limits_[LimitSlot(index)]);
}

void GraphStats::Limits(enuLimits index, std::shared_ptr<GraphControlLimit> value) {
  limits_[LimitSlot(index)] = std::move(value);
}

std::shared_ptr<GraphStdDev> GraphStats::StdDev(int16_t index) const {
  const int32_t slot = StdDevSlot(index, StdDevLines);
  return slot < 0 ? nullptr : stdDev_[static_cast<size_t>(slot)];
}

void GraphStats::StdDev(int16_t index, std::shared_ptr<GraphStdDev> value) {
  const int32_t slot = StdDevSlot(index, StdDevLines);
  if (slot >= 0) stdDev_[static_cast<size_t>(slot)] = std::move(value);
}

std::shared_ptr<GraphStdDev> GraphStats::Mean() const {
  return Required(stdDev_[StdDevLines]);
}

void GraphStats::Mean(std::shared_ptr<GraphStdDev> value) {
  stdDev_[StdDevLines] = std::move(value);
}

std::shared_ptr<GraphTrend> GraphStats::Trend() const {
  return Required(trend_);
}

}  // namespace Dravex
