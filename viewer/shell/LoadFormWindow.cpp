#include "viewer/shell/LoadFormWindow.h"

#include "common/WindowsXPButtons.h"
#include "platform/gui/Application.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/MsgBox.h"

namespace Kordex {

LoadFormWindow::LoadFormWindow() : Platform::Form("LoadForm") {
  SetCaption("Loading Data");
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetControlBox(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterOwner);
  SetClientSize(3120, 840);
  LoadLabel.Move(120, 120, 2895, 255);
  LoadBar.Move(120, 480, 2895, 255);
}

LoadFormWindow::~LoadFormWindow() = default;

void LoadFormWindow::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void LoadFormWindow::Show() {
  Platform::Form::Show(Platform::ShowModes::Modeless, Platform::MDIForm::Current());
}

std::unique_ptr<LoadForm> ShellLoadHost::NewLoadForm() {
  return std::make_unique<LoadFormWindow>();
}

void ShellLoadHost::DoEvents() {
  Platform::DoEvents();
}

void ShellLoadHost::ShowMessage(const std::string& Prompt, const std::string& Title) {
  Platform::MsgBox(Prompt, Platform::MsgBoxStyles::Exclamation, Title);
}

}  // namespace Kordex
