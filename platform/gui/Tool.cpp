#include "platform/gui/Tool.h"

#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarView.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Error.h"

namespace Platform {

Tool::Tool(ToolBarControl& control, std::string id, bool transient)
    : control_(&control), id_(std::move(id)), transient_(transient) {}

Tool::~Tool() {
  if (menu_) {
    menu_->owner_ = nullptr;
    menu_->tools_->menuOwner_ = nullptr;
  }
}

void Tool::Changed() {
  if (control_) control_->NoticeToolChanged(*this);
}

void Tool::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

std::string Tool::Name() const {
  std::string name;
  for (size_t i = 0; i < caption_.size(); ++i) {
    // "&x" reads x, "&&" reads "&", a last "&" reads nothing.
    if (caption_[i] == '&' && ++i == caption_.size()) break;
    name += caption_[i];
  }
  return name;
}

void Tool::SetDescription(const std::string& description) {
  description_ = description;
  Changed();
}

void Tool::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Tool::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void Tool::SetState(int16_t state) {
  state_ = state;
  if (state == 1 && !group_.empty() && control_) control_->NoticePressed(*this);
  Changed();
}

void Tool::SetGroup(const std::string& group) {
  group_ = group;
  if (state_ == 1 && !group_.empty() && control_) control_->NoticePressed(*this);
}

void Tool::SetStyle(int16_t style) {
  style_ = style;
  Changed();
}

void Tool::SetType(int16_t type) {
  type_ = type;
  if (type == ToolTypes::Menu && !menu_) menu_.reset(new ToolMenu(*this));
  if (control_) control_->NoticeLayoutChanged();
}

void Tool::SetPicture(const Platform::Picture& picture) {
  picture_ = picture;
  Changed();
}

namespace {

enum class Edge { Left, Top, Height };

int PositionOf(const Tool& tool, Edge edge) {
  int left = 0, top = 0, height = 0;
  const ToolBarControl* control = tool.Control();
  if (!control || !control->View() || !control->View()->ToolPosition(tool, left, top, height))
    return 0;
  switch (edge) {
    case Edge::Left: return left;
    case Edge::Top: return top;
    case Edge::Height: return height;
  }
  return 0;
}

}  // namespace

int Tool::Left() const {
  return PositionOf(*this, Edge::Left);
}
int Tool::Top() const {
  return PositionOf(*this, Edge::Top);
}
int Tool::Height() const {
  return PositionOf(*this, Edge::Height);
}

std::shared_ptr<ToolMenu> Tool::Menu() const {
  if (type_ != ToolTypes::Menu || !menu_)
    Runtime::Raise(Runtime::ErrorNumber::ObjectDoesNotSupport);
  return menu_;
}

}  // namespace Platform
