#include "graph/model/GraphSeriesCol.h"

#include "graph/model/ObjectAccess.h"

namespace Dravex {

GraphSeriesCol::GraphSeriesCol() = default;
GraphSeriesCol::~GraphSeriesCol() = default;

std::shared_ptr<GraphHost> GraphSeriesCol::Parent() const {
  return Required(parent_.lock());
}

void GraphSeriesCol::Add(std::shared_ptr<GraphSeries> newSeries, const std::string& key) {
  const std::shared_ptr<GraphSeries> series = newSeries;
  Append(std::move(newSeries), key);
  series->Parent(parent_);
}

}  // namespace Dravex
