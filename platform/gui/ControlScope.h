#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Container;
class Control;

// The controls of a form or of a user control, in the order they were made:
// the Controls collection. Names are unique within a scope, except among the
// elements of one control array.
class TAVRO_PLATFORM_GUI_API ControlScope {
 public:
  virtual ~ControlScope();
  ControlScope(const ControlScope&) = delete;
  ControlScope& operator=(const ControlScope&) = delete;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // By 0-based position; error 9 outside the collection.
  Control& ControlItem(int position) const;
  // By name (without regard to case), nullptr when there is none; for an array
  // the element with that index.
  Control* FindControl(const std::string& name, int index = -1) const;

  // Creates a control at run time by its class name ("VB.CommandButton",
  // "VB.Label", "VB.TextBox", "VB.PictureBox", "VB.CheckBox", "VB.Frame") with a
  // name not used in the scope, inside the container (this scope's own when
  // null). A bad name raises error 5, a name in use 727, an unknown class 711.
  Control& AddControl(const std::string& className, const std::string& name,
                      Container* container = nullptr);
  // Removes a control made by AddControl; others raise error 5.
  void RemoveControl(const std::string& name);

 protected:
  ControlScope() = default;
  // The container AddControl uses when none is given.
  virtual Container& DefaultContainer() = 0;
  // Ends the controls AddControl made, last first; an owner calls it while it
  // is still whole, since a control's end reads its form.
  void DestroyAddedControls();

 private:
  friend class Control;
  void Register(Control& control);
  void Unregister(Control& control);

  std::vector<Control*> controls_;
  std::vector<std::unique_ptr<Control>> added_;
};

}  // namespace Platform
