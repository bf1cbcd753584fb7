#include "platform/gui/ToolList.h"

#include <algorithm>

#include "platform/gui/ListPlace.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr const char* kSource = "Tools";

// Whether the menu of menuTool holds target, directly or in a sub-menu.
bool MenuHolds(const Tool& menuTool, const Tool& target) {
  if (menuTool.Type() != ToolTypes::Menu) return false;
  for (const auto& tool : *menuTool.Menu()->Tools()) {
    if (tool.get() == &target || MenuHolds(*tool, target)) return true;
  }
  return false;
}

}  // namespace

ToolList::ToolList(ToolBarControl* control, const Tool* menuOwner, bool all)
    : control_(control), menuOwner_(menuOwner), all_(all) {}

ToolList::~ToolList() = default;

ToolBarControl& ToolList::RequireControl() const {
  if (!control_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, kSource);
  return *control_;
}

int16_t ToolList::Count() const {
  if (tools_.size() > static_cast<size_t>(INT16_MAX))
    Runtime::Raise(Runtime::ErrorNumber::Overflow);
  return static_cast<int16_t>(tools_.size());
}

int ToolList::Find(const std::string& id) const {
  for (size_t i = 0; i < tools_.size(); ++i) {
    if (Runtime::EqualsNoCase(tools_[i]->ID(), id)) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool ToolList::Contains(const Tool& tool) const {
  return std::any_of(tools_.begin(), tools_.end(),
                     [&](const std::shared_ptr<Tool>& t) { return t.get() == &tool; });
}

size_t ToolList::IndexOf(const Runtime::Variant& index) const {
  return ListPlace(index, tools_.size(), kSource, [this](const std::string& id) {
    const int position = Find(id);
    return position == 0 ? tools_.size() : static_cast<size_t>(position - 1);
  });
}

std::shared_ptr<Tool> ToolList::Item(const Runtime::Variant& index) const {
  return tools_[IndexOf(index)];
}

std::shared_ptr<Tool> ToolList::Add(const std::string& id, std::optional<int16_t> type) {
  ToolBarControl& control = RequireControl();
  if (id.empty()) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource);
  if (Find(id) != 0) Runtime::Raise(Runtime::ErrorNumber::DuplicateKey, kSource);

  std::shared_ptr<Tool> tool = all_ ? nullptr : control.FindTool(id);
  if (tool) {
    if (menuOwner_ && (tool.get() == menuOwner_ || MenuHolds(*tool, *menuOwner_)))
      Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource,
                     "A menu cannot hold itself");
  } else {
    tool.reset(new Tool(control, id, !all_));
    if (type) tool->SetType(*type);
    if (!all_) control.Tools()->tools_.push_back(tool);
  }
  tools_.push_back(tool);
  if (!all_) control.NoticeLayoutChanged();
  return tool;
}

void ToolList::Remove(const Runtime::Variant& index) {
  const size_t position = IndexOf(index);
  const std::shared_ptr<Tool> tool = tools_[position];
  tools_.erase(tools_.begin() + static_cast<std::ptrdiff_t>(position));
  if (!control_) return;
  if (all_ || (tool->transient_ && !control_->IsPlaced(*tool)))
    control_->Release(tool);
  else
    control_->NoticeLayoutChanged();
}

void ToolList::Clear() {
  const std::vector<std::shared_ptr<Tool>> removed = std::move(tools_);
  tools_.clear();
  if (!control_) return;
  for (const auto& tool : removed) {
    if (tool->control_ && (all_ || (tool->transient_ && !control_->IsPlaced(*tool))))
      control_->Release(tool);
  }
  control_->NoticeLayoutChanged();
}

}  // namespace Platform
