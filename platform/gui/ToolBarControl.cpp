#include "platform/gui/ToolBarControl.h"

#include <algorithm>

#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/Responder.h"
#include "platform/gui/Screen.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarView.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr const char* kSource = "ToolBars";

void Erase(std::vector<std::shared_ptr<Tool>>& tools, const Tool& tool) {
  std::erase_if(tools, [&](const std::shared_ptr<Tool>& t) { return t.get() == &tool; });
}

// Whether the tool can be chosen from the menu: it stands in it or in one of
// its sub-menus.
bool Below(const ToolMenu& menu, const Tool& tool) {
  for (const auto& item : *menu.Tools()) {
    if (item.get() == &tool) return true;
    if (item->Type() == ToolTypes::Menu && Below(*item->Menu(), tool)) return true;
  }
  return false;
}

}  // namespace

ToolBarControl::ToolBarControl()
    : tools_(new ToolList(this, nullptr, true)), bands_(new BandList(*this)) {}

ToolBarControl::~ToolBarControl() {
  if (view_) view_->ControlGone();
  // What others still hold of the control keeps its values and lets it go.
  for (const auto& tool : *tools_) {
    tool->control_ = nullptr;
    if (tool->menu_) tool->menu_->Tools()->control_ = nullptr;
  }
  for (const auto& band : *bands_) {
    band->control_ = nullptr;
    band->Tools()->control_ = nullptr;
  }
  tools_->control_ = nullptr;
  bands_->control_ = nullptr;
}

std::shared_ptr<Tool> ToolBarControl::FindTool(const std::string& id) const {
  const int position = tools_->Find(id);
  return position == 0 ? nullptr : tools_->Item(position);
}

bool ToolBarControl::IsPlaced(const Tool& tool) const {
  for (const auto& band : *bands_) {
    if (band->Tools()->Contains(tool)) return true;
  }
  for (const auto& menuTool : *tools_) {
    if (menuTool->menu_ && menuTool->menu_->Tools()->Contains(tool)) return true;
  }
  return false;
}

void ToolBarControl::Release(const std::shared_ptr<Tool>& tool) {
  if (tool->control_ != this) return;
  for (const auto& band : *bands_) Erase(band->Tools()->tools_, *tool);
  for (const auto& menuTool : *tools_) {
    if (menuTool->menu_) Erase(menuTool->menu_->Tools()->tools_, *tool);
  }
  Erase(tools_->tools_, *tool);
  // Its menu goes with it, and the tools made for that menu alone.
  if (tool->menu_) {
    tool->menu_->Tools()->Clear();
    tool->menu_->Tools()->control_ = nullptr;
  }
  tool->control_ = nullptr;
  NoticeLayoutChanged();
}

void ToolBarControl::NoticeToolChanged(const Tool& tool) {
  if (view_) view_->ToolChanged(tool);
}

void ToolBarControl::NoticeLayoutChanged() {
  if (view_) view_->LayoutChanged();
}

void ToolBarControl::NoticePressed(const Tool& pressed) {
  for (const auto& tool : *tools_) {
    if (tool.get() != &pressed && tool->state_ != 0 &&
        Runtime::EqualsNoCase(tool->group_, pressed.group_)) {
      tool->state_ = 0;
      NoticeToolChanged(*tool);
    }
  }
}

void ToolBarControl::ToolClicked(const std::shared_ptr<Tool>& tool) {
  if (!tool || tool->control_ != this || !tool->Enabled()) return;
  if (tool->Type() == ToolTypes::Menu || tool->Type() == ToolTypes::Separator) return;
  if (tool->Type() == ToolTypes::StateButton)
    tool->SetState(!tool->Group().empty() || tool->State() != 1 ? 1 : 0);
  // The handlers may let the tool go; it lives to the end of the raise.
  const std::shared_ptr<Tool> clicked = tool;
  ToolClick.Raise(clicked);
}

void ToolBarControl::PopupMenu(const Runtime::Variant& which, std::optional<double> x,
                               std::optional<double> y) {
  std::shared_ptr<Tool> tool;
  if (which.IsString()) {
    tool = FindTool(which.GetString());
  } else if (which.IsObject()) {
    tool = which.ObjectAs<Tool>();
  } else {
    Runtime::Raise(Runtime::ErrorNumber::TypeMismatch, kSource);
  }
  if (!tool || tool->control_ != this || tool->Type() != ToolTypes::Menu)
    Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource);

  int screenX = 0, screenY = 0;
  if (view_) {
    view_->ScreenPoint(x, y, screenX, screenY);
  } else if (x && y) {
    screenX = static_cast<int>(*x / 15.0);
    screenY = static_cast<int>(*y / 15.0);
  } else {
    PointerPosition(screenX, screenY);
  }
  const std::shared_ptr<ToolMenu> menu = tool->Menu();
  const std::shared_ptr<Tool> chosen = CurrentResponder().PopupToolMenu(*menu, screenX, screenY);
  if (chosen && Below(*menu, *chosen)) ToolClicked(chosen);
}

}  // namespace Platform
