#include "graph/model/GraphRegionCol.h"

namespace Dravex {

GraphRegionCol::GraphRegionCol() = default;
GraphRegionCol::~GraphRegionCol() = default;

void GraphRegionCol::Add(std::shared_ptr<GraphRegion> newGraphRegion, const std::string& key) {
  Append(std::move(newGraphRegion), key);
}

}  // namespace Dravex
