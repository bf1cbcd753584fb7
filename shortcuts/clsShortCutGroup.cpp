#include "shortcuts/clsShortCutGroup.h"

#include "platform/gui/CommandButton.h"
#include "runtime/Error.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

clsShortCutGroup::clsShortCutGroup() : shortCuts_(std::make_shared<clsShortCuts>()) {
  shortCuts_->maker_ = this;
  shortCuts_->makerAlive_ = alive_;
}

clsShortCutGroup::~clsShortCutGroup() = default;

void clsShortCutGroup::ShortCuts(const std::shared_ptr<clsShortCuts>& value) {
  if (!value) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  shortCuts_ = value;
}

void clsShortCutGroup::HeaderButton(Platform::CommandButton* value) {
  cmdButtonClick_.Disconnect();
  cmdButton_ = value;
  if (cmdButton_) cmdButtonClick_ = cmdButton_->Click.Connect([this] { cmdButton_Click(); });
}

cntTabrill* clsShortCutGroup::Bar() const {
  const auto groups = Parent();
  return groups ? groups->ParentBar() : nullptr;
}

void clsShortCutGroup::cmdButton_Click() {
  if (current_) return;
  const auto groups = Parent();
  if (!groups) return;
  if (const auto& current = groups->Current()) current->Current(false);
  current_ = true;
  const auto self = shared_from_this();
  groups->Current(self);
  if (cntTabrill* bar = groups->ParentBar()) {
    bar->UpdateScrollBar();
    bar->DrawShortCuts();
    bar->RaiseChangeShortCutGroup(self);
  }
}

}  // namespace Quillon
