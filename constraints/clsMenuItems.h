#pragma once

#include <memory>
#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltCollection.h"
#include "platform/gui/Tool.h"

namespace Morvelt {

// The toolbar tools that choose a category, held by reference, in order.
class MORVELT_API clsMenuItems : public MorveltCollection<Platform::Tool> {
 public:
  clsMenuItems();
  ~clsMenuItems() override;

  // Appends the tool, under key when key is not "" (a key present already
  // raises 457).
  void Add(const std::shared_ptr<Platform::Tool>& newMenuItem, const std::string& key = "");
};

}  // namespace Morvelt
