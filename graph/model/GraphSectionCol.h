#pragma once

#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphCollection.h"
#include "graph/model/GraphSection.h"

namespace Dravex {

// The graph's sections, keyed by their keys where they have one.
class DRAVEX_API GraphSectionCol : public GraphCollection<GraphSection> {
 public:
  GraphSectionCol();
  ~GraphSectionCol() override;

  using GraphCollection::Col;
  // Under key when key is not ""; a key already present raises 457.
  void Add(std::shared_ptr<GraphSection> newGraphSection, const std::string& key = "");
  // Removes every section whose Tag equals tag without regard to case.
  void RemoveTag(const std::string& tag);
};

}  // namespace Dravex
