#pragma once

#include <functional>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class ControlScope;
class Form;

// What every control has: its name, its index in a control array, its tag and
// the form it lies on. Controls are members of their form's class (or of a
// control array) and live as long as it.
class TAVRO_PLATFORM_GUI_API Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  // The index within its control array; -1 for a control that is no element.
  int Index() const { return index_; }
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  // The form the control lies on.
  Form& Parent() const { return form_; }
  ControlScope& Scope() const { return scope_; }

  // Unloads a control array element made at run time (error 362 for others).
  void Unload();

  // For control arrays: how this element is unloaded.
  void SetUnloader(std::function<void()> unloader) { unloader_ = std::move(unloader); }

 protected:
  Control(ControlScope& scope, Form& form, std::string name, int index);

 private:
  ControlScope& scope_;
  Form& form_;
  std::string name_;
  int index_;
  std::string tag_;
  std::function<void()> unloader_;
};

}  // namespace Platform
