#pragma once

#include <string>

namespace Kordex {

// The "Loading Data" window as a load drives it: a progress bar (LoadBar) and
// a label (LoadLabel) under the main window. The window shows what it is given
// and does nothing else. The shell's window implements it; a load without a
// window uses WindowlessLoadForm.
class LoadForm {
 public:
  virtual ~LoadForm();

  // LoadBar: its maximum and its value (0 to the maximum).
  virtual void SetLoadBarMax(double Max) = 0;
  virtual double LoadBarMax() const = 0;
  virtual void SetLoadBarValue(double Value) = 0;
  // LoadLabel's caption.
  virtual void SetLoadLabel(const std::string& Caption) = 0;
  // Shows the window modeless, owned by the main window.
  virtual void Show() = 0;
  // Repaints the window now, with the figures given since its last repaint
  // (a load gives the event loop no time between files; it repaints the
  // window at most once a frame).
  virtual void Refresh() = 0;
  virtual void Unload() = 0;
};

// A load window that is no window: it keeps what it is given.
class WindowlessLoadForm : public LoadForm {
 public:
  void SetLoadBarMax(double Max) override { max_ = Max; }
  double LoadBarMax() const override { return max_; }
  // A value beyond the maximum is refused, as the bar refuses it.
  void SetLoadBarValue(double Value) override;
  double LoadBarValue() const { return value_; }
  void SetLoadLabel(const std::string& Caption) override { caption_ = Caption; }
  const std::string& LoadLabel() const { return caption_; }
  void Show() override { visible_ = true; }
  void Refresh() override {}
  void Unload() override { visible_ = false; }
  bool Visible() const { return visible_; }

 private:
  double max_ = 100;
  double value_ = 0;
  std::string caption_;
  bool visible_ = false;
};

}  // namespace Kordex
