#pragma once

#include <memory>
#include <string>

#include "graph/model/GraphCollection.h"
#include "graph/model/GraphRegion.h"

namespace Dravex {

// The control's layout rectangles under the region keys "Main", "Graph", "Y1",
// "Y2", "Legend", "X" and "Window". Internal to the library.
class GraphRegionCol : public GraphCollection<GraphRegion> {
 public:
  GraphRegionCol();
  ~GraphRegionCol() override;

  // Under key when key is not ""; a key already present raises 457.
  void Add(std::shared_ptr<GraphRegion> newGraphRegion, const std::string& key = "");
};

}  // namespace Dravex
