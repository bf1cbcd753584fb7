#include "viewer/shell/LoadFormWindow.h"

#include <algorithm>

#include "common/WindowsXPButtons.h"
#include "platform/gui/Application.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/MsgBox.h"
#include "runtime/Error.h"

namespace Kordex {

LoadFormWindow::LoadFormWindow() : Platform::Form("LoadForm") {
  SetCaption("Loading Data");
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetControlBox(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterOwner);
  // Wide enough for "9999999 of 9999999 Kbytes loaded." with room to spare
  // for a wider desktop font: the label cuts what does not fit.
  SetClientSize(4335, 840);
  LoadLabel.Move(120, 120, 4095, 255);
  LoadBar.Move(120, 480, 4095, 255);
}

LoadFormWindow::~LoadFormWindow() = default;

void LoadFormWindow::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void LoadFormWindow::SetLoadBarMax(double Max) {
  LoadBar.SetMax(Max);
  value_ = std::clamp(value_, std::min(LoadBar.Min(), Max), std::max(LoadBar.Min(), Max));
}

void LoadFormWindow::SetLoadBarValue(double Value) {
  if (Value < std::min(LoadBar.Min(), LoadBar.Max()) ||
      Value > std::max(LoadBar.Min(), LoadBar.Max()))
    Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  value_ = Value;
}

void LoadFormWindow::Show() {
  ShowFigures();
  Platform::Form::Show(Platform::ShowModes::Modeless, Platform::MDIForm::Current());
}

void LoadFormWindow::Refresh() {
  if (!IsLoaded()) return;
  ShowFigures();
  Platform::Form::Refresh();
}

void LoadFormWindow::ShowFigures() {
  if (LoadBar.Value() != value_) LoadBar.SetValue(value_);
  if (LoadLabel.Caption() != caption_) LoadLabel.SetCaption(caption_);
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
