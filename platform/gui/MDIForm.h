#pragma once

#include <string>

#include "platform/gui/Form.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// The program's main window holding the MDI child forms in its inner area.
// Controls docked to its edges (Align) share the window with the child area,
// which takes the rest. There is one at a time; child forms open inside the
// one loaded.
class TAVRO_PLATFORM_GUI_API MDIForm : public Form {
 public:
  explicit MDIForm(std::string name);
  ~MDIForm() override;

  // The MDI main window loaded now, or nullptr.
  static MDIForm* Current();

  // The active child form, nullptr when there is none. A child that is being
  // unloaded is no longer the active one.
  Form* ActiveForm() const;
  // Cascade, tile or arrange the minimised children (ArrangeModes).
  void Arrange(int mode);

  // Size of the child area in twips.
  double ChildAreaWidth() const;
  double ChildAreaHeight() const;

  // Unloading the main window: its own QueryUnload first, then the children's
  // (UnloadModes::FormMDIForm); when nobody cancels, the children unload, then
  // the main window.
  bool UnloadFor(int16_t unloadMode) override;

  void LayoutInner() override;

 private:
  friend class Form;
  // The child the person or the program made active last.
  void ChildActivated(Form* child);
  void ChildGone(Form* child);

  Form* activeChild_ = nullptr;
};

}  // namespace Platform
