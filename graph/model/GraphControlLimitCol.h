#pragma once

#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphCollection.h"
#include "graph/model/GraphControlLimit.h"

namespace Dravex {

// Further limits a series holds for its host; the graph itself never reads
// them.
class DRAVEX_API GraphControlLimitCol : public GraphCollection<GraphControlLimit> {
 public:
  GraphControlLimitCol();
  ~GraphControlLimitCol() override;

  // Under key when key is not ""; a key already present raises 457.
  void Add(std::shared_ptr<GraphControlLimit> newSeriesLimit, const std::string& key = "");
};

}  // namespace Dravex
