#pragma once

#include <memory>
#include <string>

#include "platform/Event.h"
#include "platform/gui/Control.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/TickSource.h"

namespace Platform {

class Container;
// A timer on a form: while Enabled and with an Interval above 0 it raises Tick
// (the timer's Timer event) every Interval milliseconds. Errors a Tick handler
// lets escape are reported, but the same one not on every tick.
class TAVRO_PLATFORM_GUI_API Timer : public Control, public TickTarget {
 public:
  Timer(Container& container, std::string name, int index = -1);
  ~Timer() override;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);  // 0..65535, else error 380
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  Event<> Tick;

  // Called by the tick source.
  void RaiseTick() override;
  // Called by the form: a timer ticks only while its form is loaded.
  void FormLoaded(bool loaded);
  // A new control array element starts as the model does.
  void CopyFrom(const Timer& model);

 private:
  void Restart();
  void Restart(bool formLoaded);

  int interval_ = 0;
  bool enabled_ = true;
  // The source it ticks on while running.
  std::shared_ptr<TickSource> source_;
  ReportThrottle throttle_;
};

}  // namespace Platform
