#include "graph/model/GraphSeries.h"

#include "graph/model/ObjectAccess.h"
#include "runtime/Error.h"

namespace Dravex {

namespace {

// An old Y, X or TempValue that an increment adds to: Null counts as 0.
Runtime::Variant NullAsZero(const Runtime::Variant& value) {
  return value.IsNull() ? Runtime::Variant(int16_t{0}) : value;
}

}  // namespace

GraphSeries::GraphSeries()
    : valueFormat_(std::make_shared<GraphValueFormat>()),
      controlLimits_(std::make_shared<GraphControlLimitCol>()),
      values_(std::make_shared<GraphValueCol>()),
      statsAlarms_(std::make_shared<GraphStats>()) {}

GraphSeries::~GraphSeries() = default;

std::shared_ptr<GraphSeries> GraphSeries::New() {
  std::shared_ptr<GraphSeries> series(new GraphSeries());
  series->values_->Parent(series);
  return series;
}

std::shared_ptr<GraphHost> GraphSeries::Parent() const {
  return Required(parent_.lock());
}

std::shared_ptr<GraphText> GraphSeries::Title() const {
  return Required(title_);
}

std::shared_ptr<GraphValueCol> GraphSeries::Values() const {
  return Required(values_);
}

std::shared_ptr<GraphControlLimitCol> GraphSeries::ControlLimits() const {
  return Required(controlLimits_);
}

std::shared_ptr<GraphValueFormat> GraphSeries::ValueFormat() const {
  return Required(valueFormat_);
}

void GraphSeries::ValueFormat(const Runtime::Variant& value) {
  if (value.IsNothing()) {
    valueFormat_.reset();
    return;
  }
  auto format = value.IsObject() ? value.ObjectAs<GraphValueFormat>() : nullptr;
  if (!format) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
  valueFormat_ = std::move(format);
}

std::shared_ptr<GraphStats> GraphSeries::StatsAlarms() const {
  return Required(statsAlarms_);
}

void GraphSeries::AddValue(const Runtime::Variant& value1, const Runtime::Variant& value2,
                           const Runtime::Variant& tempValue, int16_t& addWhere, AddType addHow) {
  // Held here: a handler of the graph's events may give the series other points.
  const std::shared_ptr<GraphValueCol> values = Values();
  if (addWhere < 1) addWhere = values->Count();

  const Runtime::Variant zero(int16_t{0});
  for (int32_t gap = values->Count() + 1; gap < addWhere; ++gap) {
    values->Add(Runtime::Null, zero, zero);
  }

  const bool xy = seriesStyle_ == SeriesStyleType::XYGraph;
  if (xy && (value1.IsNothing() || value2.IsNothing())) return;

  if (addWhere > values->Count() || addHow == AddType::AddInsert) {
    values->Add(value1, xy ? value2 : zero, tempValue);
    return;
  }
  const std::shared_ptr<GraphValue> point = values->Item(addWhere);
  if (addHow == AddType::AddOverwrite) {
    point->Y(value1);
    point->TempValue(tempValue);
    if (xy) point->X(value2);
  } else {
    point->Increment(value1, tempValue);
    if (xy) point->X(NullAsZero(point->X()) + value2);
  }
}

void GraphSeries::RemoveValue(int16_t& removeWhere) {
  const std::shared_ptr<GraphValueCol> values = Values();
  const int16_t count = values->Count();
  if (count < 1) return;
  if (removeWhere > count || removeWhere < 1) removeWhere = count;
  values->Remove(removeWhere);
}

}  // namespace Dravex
