#pragma once

#include <memory>
#include <string>

#include "platform/gui/Form.h"
#include "platform/gui/Label.h"
#include "platform/gui/ProgressBar.h"
#include "viewer/data/LoadForm.h"
#include "viewer/data/PRDLoadHost.h"

namespace Kordex {

// "Loading Data": the small fixed window that shows how much of a load's
// summary files has been read, centred on the main window. The loader drives
// it; it has no code of its own.
class LoadFormWindow : public Platform::Form, public LoadForm {
 public:
  LoadFormWindow();
  ~LoadFormWindow() override;

  void Form_Initialize() override;

  void SetLoadBarMax(double Max) override { LoadBar.SetMax(Max); }
  double LoadBarMax() const override { return LoadBar.Max(); }
  void SetLoadBarValue(double Value) override { LoadBar.SetValue(Value); }
  void SetLoadLabel(const std::string& Caption) override { LoadLabel.SetCaption(Caption); }
  void Show() override;
  void Refresh() override { Platform::Form::Refresh(); }
  void Unload() override { Platform::Form::Unload(); }

  Platform::Label LoadLabel{*this, "LoadLabel"};
  Platform::ProgressBar LoadBar{*this, "LoadBar"};
};

// What the program gives its loads: the "Loading Data" window, the event loop
// and message boxes.
class ShellLoadHost : public PRDLoadHost {
 public:
  std::unique_ptr<LoadForm> NewLoadForm() override;
  void DoEvents() override;
  void ShowMessage(const std::string& Prompt, const std::string& Title) override;
};

}  // namespace Kordex
