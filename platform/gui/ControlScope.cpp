#include "platform/gui/ControlScope.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/Container.h"
#include "platform/gui/Form.h"
#include "platform/gui/Frame.h"
#include "platform/gui/Image.h"
#include "platform/gui/Label.h"
#include "platform/gui/Line.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/OptionButton.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Shape.h"
#include "platform/gui/TextBox.h"
#include "platform/gui/Timer.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

bool ValidName(const std::string& name) {
  if (name.empty() || name.size() > 40) return false;
  if (!std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

using Maker = std::function<std::unique_ptr<Control>(Container&, const std::string&)>;

template <class T>
Maker Make() {
  return [](Container& container, const std::string& name) {
    return std::unique_ptr<Control>(std::make_unique<T>(container, name));
  };
}

const Maker* FindMaker(const std::string& className) {
  static const std::pair<const char*, Maker> kClasses[] = {
      {"VB.CommandButton", Make<CommandButton>()},
      {"VB.Label", Make<Label>()},
      {"VB.TextBox", Make<TextBox>()},
      {"VB.PictureBox", Make<PictureBox>()},
      {"VB.CheckBox", Make<CheckBox>()},
      {"VB.OptionButton", Make<OptionButton>()},
      {"VB.ListBox", Make<ListBox>()},
      {"VB.ComboBox", Make<ComboBox>()},
      {"VB.Frame", Make<Frame>()},
      {"VB.HScrollBar", Make<HScrollBar>()},
      {"VB.VScrollBar", Make<VScrollBar>()},
      {"VB.Image", Make<Image>()},
      {"VB.Shape", Make<Shape>()},
      {"VB.Line", Make<Line>()},
      {"VB.Timer", Make<Timer>()},
  };
  for (const auto& [name, maker] : kClasses)
    if (Runtime::EqualsNoCase(name, className)) return &maker;
  return nullptr;
}

}  // namespace

ControlScope::~ControlScope() = default;

Control& ControlScope::ControlItem(int position) const {
  if (position < 0 || position >= ControlCount())
    Runtime::Raise(Runtime::ErrorNumber::SubscriptOutOfRange);
  return *controls_[static_cast<size_t>(position)];
}

Control* ControlScope::FindControl(const std::string& name, int index) const {
  for (Control* control : controls_)
    if (Runtime::EqualsNoCase(control->Name(), name) && (index < 0 || control->Index() == index))
      return control;
  return nullptr;
}

Control& ControlScope::AddControl(const std::string& className, const std::string& name,
                                  Container* container) {
  if (!ValidName(name)) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  if (FindControl(name) != nullptr) Runtime::Raise(727);
  const Maker* maker = FindMaker(className);
  if (maker == nullptr) Runtime::Raise(711);
  added_.push_back((*maker)(container ? *container : DefaultContainer(), name));
  return *added_.back();
}

void ControlScope::RemoveControl(const std::string& name) {
  auto it = std::find_if(added_.begin(), added_.end(), [&](const auto& control) {
    return Runtime::EqualsNoCase(control->Name(), name);
  });
  if (it == added_.end()) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  std::unique_ptr<Control> gone = std::move(*it);
  added_.erase(it);
}

void ControlScope::DestroyAddedControls() {
  while (!added_.empty()) {
    std::unique_ptr<Control> gone = std::move(added_.back());
    added_.pop_back();
  }
}

void ControlScope::Register(Control& control) {
  controls_.push_back(&control);
}

void ControlScope::Unregister(Control& control) {
  std::erase(controls_, &control);
}

}  // namespace Platform
