#include "viewer/shell/ChildWindows.h"

#include <algorithm>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/ToolList.h"
#include "runtime/Error.h"
#include "viewer/shell/MainForm.h"

namespace Kordex {

MainForm& ParentMainForm() {
  MainForm* main = MainForm::Current();
  if (main == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return *main;
}

void RunManualUpdate() {
  MainForm& main = ParentMainForm();
  main.ToolBars_ToolClick(main.ToolBars->Tools()->Item(Runtime::Variant("ManualUpdate")));
}

void ReportWindowKeyDown(int16_t KeyCode) {
  if (KeyCode == Platform::KeyCodes::F5) RunManualUpdate();
}

void ReportWindowKeyPress(Platform::Form& Window, int16_t& KeyAscii) {
  // Both keys are used up here: a Tab left to the window system would move
  // the focus on and make this window the active one again.
  if (KeyAscii == Platform::KeyCodes::Tab) {
    ActivateNextReportWindow(Window);
    KeyAscii = 0;
  } else if (KeyAscii == Platform::KeyCodes::Escape) {
    KeyAscii = 0;
    Window.Unload();
  }
}

void ActivateNextReportWindow(Platform::Form& Window) {
  const std::vector<Platform::Form*> forms = Platform::Forms::All();
  const auto here = std::find(forms.begin(), forms.end(), &Window);
  if (here == forms.end()) return;
  size_t i = static_cast<size_t>(here - forms.begin());
  // The walk ends on Window itself at the latest.
  for (size_t step = 0; step < forms.size(); ++step) {
    i = (i + 1) % forms.size();
    const std::string kind = ChildKind(forms[i]->Tag());
    if (kind == "CHART" || kind == "TABLE") break;
  }
  ActivateChildWindow(*forms[i]);
}

void ActivateChildWindow(Platform::Form& Window) {
  Window.ZOrder(0);
  Window.SetFocus();
}

Runtime::Variant FormReference::To(Platform::Form& Window) {
  return Runtime::Variant(std::static_pointer_cast<Runtime::Object>(
      std::make_shared<FormReference>(Window.weak_from_this())));
}

std::shared_ptr<Platform::Form> FormReference::FormOf(const Runtime::Variant& Value) {
  if (!Value.IsObject()) return nullptr;
  const auto reference = std::dynamic_pointer_cast<FormReference>(Value.GetObject());
  return reference ? reference->window_.lock() : nullptr;
}

}  // namespace Kordex
