#pragma once

#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltTypes.h"
#include "graph/model/GraphCollection.h"

namespace Morvelt {

// The toolbar tools that choose a category, held by reference, in order.
class MORVELT_API clsMenuItems : public Dravex::GraphCollection<Runtime::Object> {
 public:
  clsMenuItems();
  ~clsMenuItems() override;

  using GraphCollection::Col;
  // Appends the tool, under key when key is not "" (a key present already
  // raises 457).
  void Add(const ToolRef& newMenuItem, const std::string& key = "");
};

}  // namespace Morvelt
