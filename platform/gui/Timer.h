#pragma once

#include <string>

#include "platform/Event.h"
#include "platform/gui/Control.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;

// A timer on a form: while Enabled and with an Interval above 0 it raises Tick
// (the timer's Timer event) every Interval milliseconds. Errors a Tick handler
// lets escape are reported, but the same one not on every tick.
class TAVRO_PLATFORM_GUI_API Timer : public Control {
public:
  Timer(Form& form, std::string name, int index = -1);
  ~Timer() override;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);  // 0..65535, else error 380
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  Event<> Tick;

  // Called by the tick source.
  void RaiseTick();

private:
  void Restart();

  int interval_ = 0;
  bool enabled_ = true;
  bool running_ = false;
  ReportThrottle throttle_;
};

}  // namespace Platform
