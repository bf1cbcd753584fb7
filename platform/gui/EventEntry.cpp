#include "platform/gui/EventEntry.h"

#include <cstdio>
#include <exception>

#include "platform/gui/App.h"
#include "platform/gui/MsgBox.h"
#include "runtime/Error.h"

namespace Platform {

bool ReportThrottle::Admit(const std::string& report, std::chrono::steady_clock::time_point now) {
  if (showing_ || (report == last_ && now - lastTime_ < Quiet)) {
    ++suppressed_;
    return false;
  }
  last_ = report;
  lastTime_ = now;
  return true;
}

std::string ErrorReport(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Runtime::Error& e) {
    const std::string description =
        e.Description().empty() ? Runtime::Error::DefaultDescription(e.Number()) : e.Description();
    return "Run-time error '" + std::to_string(e.Number()) + "':\r\n\r\n" + description;
  } catch (const std::exception& e) {
    return std::string("Run-time error:\r\n\r\n") + e.what();
  } catch (...) {
    return "Run-time error:\r\n\r\nUnknown error";
  }
}

void EnterEventHandler(const std::function<void()>& handler, ReportThrottle* throttle) {
  try {
    handler();
  } catch (...) {
    const std::string report = ErrorReport(std::current_exception());
    std::fprintf(stderr, "%s: %s\n", App::EXEName().c_str(), report.c_str());
    if (throttle != nullptr && !throttle->Admit(report, std::chrono::steady_clock::now())) return;
    if (throttle != nullptr) throttle->Showing(true);
    try {
      MsgBox(report, MsgBoxStyles::Critical, App::Title());
    } catch (...) {
      // Nothing more can be told if the report itself fails.
    }
    if (throttle != nullptr) throttle->Showing(false);
  }
}

}  // namespace Platform
