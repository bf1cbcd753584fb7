#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "viewer/data/LoadForm.h"

namespace Kordex {

// What a production-data load needs of the program around it: a load window,
// time for the event loop, a clock that paces the window's repaints, and a way
// to tell the user what went wrong. The shell gives its own (its "Loading
// Data" window under the main window, the platform's event loop and message
// boxes); without one, a load runs without windows and keeps its messages to
// itself.
class PRDLoadHost {
 public:
  virtual ~PRDLoadHost();

  // A load window of the load's own, not shown yet.
  virtual std::unique_ptr<LoadForm> NewLoadForm();
  // Lets the event loop handle what is waiting. Anything may happen meanwhile:
  // another load may run from start to end, the chart may be closed.
  virtual void DoEvents();
  // A time that never goes back, by which the load window's repaints are
  // spaced: the machine's steady clock.
  virtual std::chrono::steady_clock::time_point Now();
  // Tells the user something after a load, in a message box with that title.
  virtual void ShowMessage(const std::string& Prompt, const std::string& Title);
};

// The program's host, used by loads that are given none; the shell sets its
// own at start-up. The default runs without windows.
std::shared_ptr<PRDLoadHost> LoadHost();
void SetLoadHost(std::shared_ptr<PRDLoadHost> Host);

}  // namespace Kordex
