#include "graph/model/GraphControlLimitCol.h"

namespace Dravex {

GraphControlLimitCol::GraphControlLimitCol() = default;
GraphControlLimitCol::~GraphControlLimitCol() = default;

void GraphControlLimitCol::Add(std::shared_ptr<GraphControlLimit> newSeriesLimit,
                               const std::string& key) {
  Append(std::move(newSeriesLimit), key);
}

}  // namespace Dravex
