#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// Remembers the reports of one source of events (a timer), so that an error it
// raises again and again is reported once and not on every tick.
class TAVRO_PLATFORM_GUI_API ReportThrottle {
 public:
  // The same report again within this time is not shown again.
  static constexpr std::chrono::seconds Quiet{60};

  // True when the report should be shown now; marks it shown.
  bool Admit(const std::string& report, std::chrono::steady_clock::time_point now);
  void Showing(bool on) { showing_ = on; }
  int Suppressed() const { return suppressed_; }

 private:
  std::string last_;
  std::chrono::steady_clock::time_point lastTime_{};
  bool showing_ = false;
  int suppressed_ = 0;
};

// Every event handler that the window system calls is entered through here: an
// error escaping the handler is reported in a message box and the program goes
// on. With a throttle, repeated reports of one source are held back.
TAVRO_PLATFORM_GUI_API void EnterEventHandler(const std::function<void()>& handler,
                                              ReportThrottle* throttle = nullptr);

// The text of the report of an escaped error.
TAVRO_PLATFORM_GUI_API std::string ErrorReport(std::exception_ptr error);

}  // namespace Platform
