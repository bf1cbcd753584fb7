#include "graph/model/GraphSelection.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "graph/model/GraphSeries.h"
#include "graph/model/GraphValue.h"
#include "graph/model/ObjectAccess.h"

namespace Dravex::GraphSelection {

using Runtime::Variant;

namespace {

constexpr int32_t Selected = static_cast<int32_t>(ValueModeType::ValueSlelected);
constexpr int32_t Warning = static_cast<int32_t>(ValueModeType::ValueWarning);
constexpr int32_t Error = static_cast<int32_t>(ValueModeType::ValueError);

void ForEachPoint(GraphDataHost& graph, const std::function<void(GraphValue&)>& action) {
  const auto all = Required(graph.Series());
  for (int16_t i = 1; i <= all->Count(); ++i) {
    for (const Variant& item : *all->Item(Variant(i))->Values()->Col()) {
      action(*ObjectFrom<GraphValue>(item));
    }
  }
}

// Whether some series has a point at position that is not Null.
bool HasData(const GraphSeriesCol& all, int32_t position) {
  for (int16_t i = 1; i <= all.Count(); ++i) {
    const auto values = all.Item(Variant(i))->Values();
    if (values->Count() >= position && !values->Item(Variant(position))->Y().IsNull()) return true;
  }
  return false;
}

bool Beyond(const Variant& y, const GraphControlLimit& limit,
            Variant (*compare)(const Variant&, const Variant&, bool)) {
  return limit.LimitOn() && Runtime::IsTrue(compare(y, Variant(limit.Value()), false));
}

}  // namespace

void ClearSelection(GraphDataHost& graph) {
  ForEachPoint(graph,
               [](GraphValue& point) { point.ValueMode(point.ValueMode() & (Warning | Error)); });
}

void ClearAlarms(GraphDataHost& graph) {
  ForEachPoint(
      graph, [](GraphValue& point) { point.ValueMode(point.ValueMode() & (Selected | Warning)); });
}

void AddSelections(GraphDataHost& graph, int16_t firstSelected, int16_t lastSelected) {
  const auto all = Required(graph.Series());
  for (int16_t i = 1; i <= all->Count(); ++i) {
    const auto values = all->Item(Variant(i))->Values();
    const int16_t last = std::min(values->Count(), lastSelected);
    for (int32_t position = firstSelected; position <= last; ++position) {
      const auto point = values->Item(Variant(position));
      point->ValueMode(point->ValueMode() | Selected);
    }
  }
}

void SetSelection(GraphDataHost& graph, SeletionType whichSelection, int16_t offset,
                  int16_t& firstSelected, int16_t& lastSelected) {
  if (offset == 0) return;
  const int32_t step = offset > 0 ? 1 : -1;
  const int32_t bound = step > 0 ? int32_t{graph.MaxWidth()} : 1;
  int16_t& end = whichSelection == SeletionType::SelectionFirst ? firstSelected : lastSelected;
  const auto all = Required(graph.Series());
  for (int32_t position = end + step; step > 0 ? position <= bound : position >= bound;
       position += step) {
    if (HasData(*all, position)) {
      end = static_cast<int16_t>(position);
      return;
    }
  }
}

bool CheckAlarms(GraphDataHost& graph) {
  ClearAlarms(graph);
  bool found = false;
  const auto all = Required(graph.Series());
  for (int16_t i = 1; i <= all->Count(); ++i) {
    const auto series = all->Item(Variant(i));
    const auto settings = series->StatsAlarms();
    if (settings->Alarm() != AlarmType::AlarmSpecLimit) continue;
    const auto lower = settings->Limits(enuLimits::LowerLimit);
    const auto upper = settings->Limits(enuLimits::UpperLimit);
    for (const Variant& item : *series->Values()->Col()) {
      const auto point = ObjectFrom<GraphValue>(item);
      const Variant& y = point->Y();
      if (y.IsNull()) continue;
      if (Beyond(y, *lower, Runtime::Lt) || Beyond(y, *upper, Runtime::Gt)) {
        point->ValueMode(point->ValueMode() | Error);
        found = true;
      }
    }
  }
  return found;
}

}  // namespace Dravex::GraphSelection
