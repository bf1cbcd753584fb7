#pragma once

#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphCollection.h"
#include "graph/model/GraphHost.h"
#include "graph/model/GraphSeries.h"

namespace Dravex {

// The series of a graph, 1-based in the order they were added, keyed by
// series name.
class DRAVEX_API GraphSeriesCol : public GraphCollection<GraphSeries> {
 public:
  GraphSeriesCol();
  ~GraphSeriesCol() override;

  // The graph the series belong to. Not owned; reading it raises 91 when
  // there is none or it is gone.
  std::shared_ptr<GraphHost> Parent() const;
  void Parent(const std::weak_ptr<GraphHost>& value) { parent_ = value; }

  // Appends the series under key when key is not "" (a key already present
  // raises 457 and adds nothing), then makes it a series of this graph.
  void Add(std::shared_ptr<GraphSeries> newSeries, const std::string& key = "");
  using GraphCollection::Col;

 private:
  std::weak_ptr<GraphHost> parent_;
};

}  // namespace Dravex
