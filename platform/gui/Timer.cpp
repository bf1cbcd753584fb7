#include "platform/gui/Timer.h"

#include <algorithm>

#include "platform/gui/Container.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/TickSource.h"
#include "runtime/Error.h"

namespace Platform {

Timer::Timer(Container& container, std::string name, int index)
    : Control(container.Scope(), container.ParentForm(), std::move(name), index) {
  Parent().Window().timers.push_back(this);
  Restart();
}

Timer::~Timer() {
  std::erase(Parent().Window().timers, this);
  if (source_) source_->Stop(*this);
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds < 0 || milliseconds > 65535)
    Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Restart();
}

void Timer::FormLoaded(bool loaded) {
  Restart(loaded);
}

void Timer::Restart() {
  Restart(Parent().IsLoaded());
}

void Timer::Restart(bool formLoaded) {
  if (source_) {
    source_->Stop(*this);
    source_.reset();
  }
  if (!enabled_ || interval_ <= 0 || !formLoaded) return;
  source_ = CurrentTickSourceShared();
  source_->Start(*this, interval_);
}

void Timer::RaiseTick() {
  if (!source_) return;
  EnterEventHandler([this] { Tick.Raise(); }, &throttle_);
}

void Timer::CopyFrom(const Timer& model) {
  interval_ = model.interval_;
  enabled_ = model.enabled_;
  SetTag(model.Tag());
  Restart();
}

}  // namespace Platform
