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
// it. The bar's value and the label's caption it is given reach the controls
// when the window is shown or repainted: a control changed after every file
// would repaint, or wait to be repainted, as often.
class LoadFormWindow : public Platform::Form, public LoadForm {
 public:
  LoadFormWindow();
  ~LoadFormWindow() override;

  void Form_Initialize() override;

  void SetLoadBarMax(double Max) override;
  double LoadBarMax() const override { return LoadBar.Max(); }
  // A value outside the bar's range is refused, as the bar refuses it.
  void SetLoadBarValue(double Value) override;
  void SetLoadLabel(const std::string& Caption) override { caption_ = Caption; }
  void Show() override;
  void Refresh() override;
  void Unload() override { Platform::Form::Unload(); }

  Platform::Label LoadLabel{*this, "LoadLabel"};
  Platform::ProgressBar LoadBar{*this, "LoadBar"};

 private:
  // Puts the value and caption given last on the bar and the label.
  void ShowFigures();

  double value_ = 0;
  std::string caption_;
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
