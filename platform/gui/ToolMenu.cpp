#include "platform/gui/ToolMenu.h"

#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"

namespace Platform {

ToolMenu::ToolMenu(Tool& owner)
    : owner_(&owner), tools_(new ToolList(owner.Control(), &owner, false)) {}

ToolMenu::~ToolMenu() = default;

}  // namespace Platform
