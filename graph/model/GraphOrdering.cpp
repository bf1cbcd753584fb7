#include "graph/model/GraphOrdering.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/CollectionFunctions.h"
#include "graph/model/CollectionFunctions.h"
#include "graph/model/GraphOrder.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"

namespace Dravex::GraphOrdering {

using Runtime::Variant;

namespace {

std::shared_ptr<GraphSeries> SeriesOf(const GraphDataHost& graph, const Variant& series) {
  return Required(graph.Series())->Item(series);
}

std::shared_ptr<GraphXAxisLabelCol> LabelsOf(const GraphDataHost& graph) {
  return Required(graph.XAxis())->Labels();
}

bool IsXY(const GraphSeries& series) {
  return series.SeriesStyle() == SeriesStyleType::XYGraph;
}

void RemoveLabelsBeyond(GraphXAxisLabelCol& labels, int16_t keep) {
  while (labels.Count() > keep) labels.Remove(Variant(Count16(keep + 1)));
}

// Sorts the points of a series by Y and its labels with them.
void SortPoints(GraphDataHost& graph, const Variant& series, const GraphSeries& found,
                OrderType direction) {
  const auto values = found.Values();
  const int16_t n = values->Count();
  auto records = std::make_shared<Runtime::Collection>();
  for (int16_t i = 1; i <= n; ++i) {
    auto record = std::make_shared<GraphOrder>();
    record->Value(values->Item(Variant(i))->Y());
    record->OldIndex(i);
    records->Add(Variant(std::move(record)), Variant(std::to_string(i)));
  }
  const Runtime::CollectionRef sorted = CollectionFunctions::SortCollection(
      records, [](const Variant& item) { return ObjectFrom<GraphOrder>(item)->Value(); },
      direction == OrderType::Ascending ? CollectionFunctions::SortAscending
                                        : CollectionFunctions::SortDescending);

  for (int16_t i = 1; i <= n; ++i) {
    int16_t where = i;
    graph.AddValue(series, ObjectFrom<GraphOrder>(sorted->Item(Variant(i)))->Value(),
                   Variant::Nothing(), Variant(int16_t{0}), where, AddType::AddOverwrite);
  }

  // The labels are read in full before any is rewritten, as one label may be
  // the source of another.
  const auto labels = LabelsOf(graph);
  std::vector<std::shared_ptr<GraphOrder>> moved;
  for (int16_t i = 1; i <= n; ++i) {
    const auto source =
        labels->Item(Variant(ObjectFrom<GraphOrder>(sorted->Item(Variant(i)))->OldIndex()));
    auto record = std::make_shared<GraphOrder>();
    record->Value(source->Value());
    record->Label(Variant(source->Label()));
    moved.push_back(std::move(record));
  }
  for (int16_t i = 1; i <= n; ++i) {
    const auto label = labels->Item(Variant(i));
    label->Label(Runtime::CStr(moved[i - 1]->Label()));
    label->Value(moved[i - 1]->Value());
  }
}

}  // namespace

void OrderSeries(GraphDataHost& graph, const Variant& series, OrderType direction,
                 int16_t maxAmount) {
  if (direction == OrderType::Unordered) return;
  const auto found = SeriesOf(graph, series);
  if (!IsXY(*found)) SortPoints(graph, series, *found, direction);
  if (maxAmount > 0) {
    const auto values = found->Values();
    while (values->Count() > maxAmount) values->Remove(Variant(Count16(maxAmount + 1)));
    RemoveLabelsBeyond(*LabelsOf(graph), maxAmount);
  }
}

void Pareto(GraphDataHost& graph, const Variant& series, const std::string& name,
            int16_t maxAmount) {
  const auto found = SeriesOf(graph, series);
  if (IsXY(*found)) return;
  OrderSeries(graph, series, OrderType::Descending, maxAmount);

  const auto all = Required(graph.Series());
  if (Runtime::IsTrue(Common::InCollection(*all->Col(), Variant(name)))) {
    all->Item(Variant(name))->Values()->Clear();
  } else {
    int32_t colour = -1;
    graph.AddSeries(name, SeriesStyleType::LineGraph, YAxisType::YAxis2, colour);
  }
  const auto right = graph.YAxis(2);
  right->AutomaticMax(false);
  right->Max(100);

  // The total is summed exactly as the running total will be, so that the last
  // share comes to 100 and not a rounding below it.
  const auto values = found->Values();
  float total = 0;
  for (const Variant& item : *values->Col()) {
    const Variant& y = ObjectFrom<GraphValue>(item)->Y();
    if (!y.IsNull()) total += Runtime::CSng(y);
  }
  float running = 0;
  const int16_t n = values->Count();
  for (int16_t i = 1; i <= n; ++i) {
    const Variant& y = values->Item(Variant(i))->Y();
    if (!y.IsNull()) running += Runtime::CSng(y);
    // In doubles the quotient of two singles rounds to a whole number only when
    // it is one, so the whole part is exact: 29 of 100 is 29, where single
    // arithmetic (0.29 × 100) gives 28.
    const float share =
        total != 0 ? static_cast<float>(std::floor(double{running} * 100 / double{total})) : 0;
    int16_t where = -1;
    graph.AddValue(Variant(name), Variant(share), Variant::Nothing(), Variant(int16_t{0}), where,
                   AddType::AddInsert);
  }
}

void Percent(GraphDataHost& graph, const Variant& series) {
  const auto values = SeriesOf(graph, series)->Values();
  for (const Variant& item : *values->Col()) {
    const auto point = ObjectFrom<GraphValue>(item);
    const Variant& base = point->TempValue();
    if (point->Y().IsNull() || base.IsNull() || Runtime::IsTrue(Runtime::Eq(base, int16_t{0}))) {
      point->Y(Variant(Runtime::Null));
    } else {
      point->Y(point->Y() / base * Variant(int16_t{100}));
    }
  }
}

void RemoveZeros(GraphDataHost& graph, const Variant& series, bool removeLabel) {
  const auto found = SeriesOf(graph, series);
  if (IsXY(*found)) return;
  const auto values = found->Values();
  int16_t i = 1;
  while (i <= values->Count()) {
    if (Runtime::IsTrue(Runtime::Eq(values->Item(Variant(i))->Y(), int16_t{0}))) {
      values->Remove(Variant(i));
      const auto labels = LabelsOf(graph);
      if (removeLabel && labels->Count() >= i) labels->Remove(Variant(i));
    } else {
      ++i;
    }
  }
}

void RemoveExcessXlabels(GraphDataHost& graph) {
  int16_t longest = 0;
  const auto all = Required(graph.Series());
  for (int16_t i = 1; i <= all->Count(); ++i) {
    const auto series = all->Item(Variant(i));
    if (!IsXY(*series)) longest = std::max(longest, series->Values()->Count());
  }
  RemoveLabelsBeyond(*LabelsOf(graph), longest);
}

}  // namespace Dravex::GraphOrdering
