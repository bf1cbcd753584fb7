#include "platform/gui/Band.h"

#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"

namespace Platform {

Band::Band(ToolBarControl& control, std::string name, bool menuBar)
    : control_(&control),
      name_(std::move(name)),
      menuBar_(menuBar),
      tools_(new ToolList(&control, nullptr, false)) {}

Band::~Band() = default;

void Band::SetVisible(bool visible) {
  visible_ = visible;
  if (control_) control_->NoticeLayoutChanged();
}

}  // namespace Platform
