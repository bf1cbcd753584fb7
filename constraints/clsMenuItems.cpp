#include "constraints/clsMenuItems.h"

namespace Morvelt {

clsMenuItems::clsMenuItems() = default;
clsMenuItems::~clsMenuItems() = default;

void clsMenuItems::Add(const std::shared_ptr<Platform::Tool>& newMenuItem, const std::string& key) {
  Append(newMenuItem, key);
}

}  // namespace Morvelt
