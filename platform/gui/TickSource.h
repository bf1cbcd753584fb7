#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// What a tick source ticks: a form's Timer, or the timer of a control that
// lives on no form.
class TAVRO_PLATFORM_GUI_API TickTarget {
 public:
  virtual ~TickTarget();
  virtual void RaiseTick() = 0;
};

// What drives the timers: the window system's timers in the program, a clock
// the test moves in tests. Install one before the timers it should drive start.
class TAVRO_PLATFORM_GUI_API TickSource {
 public:
  virtual ~TickSource();
  // Starts (or restarts) ticking the timer every interval milliseconds.
  virtual void Start(TickTarget& timer, int intervalMs) = 0;
  virtual void Stop(TickTarget& timer) = 0;
};

// The tick source in use; the window system's until another is installed.
TAVRO_PLATFORM_GUI_API TickSource& CurrentTickSource();
TAVRO_PLATFORM_GUI_API std::shared_ptr<TickSource> CurrentTickSourceShared();
// nullptr puts the window system's back. Returns the one installed before.
TAVRO_PLATFORM_GUI_API std::shared_ptr<TickSource> SetTickSource(
    std::shared_ptr<TickSource> source);

// A tick source for tests: time stands still until Advance moves it, and every
// timer due on the way ticks, in the order of its due times.
class TAVRO_PLATFORM_GUI_API ManualTickSource : public TickSource {
 public:
  void Start(TickTarget& timer, int intervalMs) override;
  void Stop(TickTarget& timer) override;
  // Moves the time on by milliseconds, ticking the timers due on the way.
  void Advance(int64_t milliseconds);
  int64_t Now() const { return now_; }
  bool Running(const TickTarget& timer) const;

 private:
  struct Entry {
    int interval;
    int64_t due;
  };
  std::map<TickTarget*, Entry> timers_;
  int64_t now_ = 0;
};

}  // namespace Platform
