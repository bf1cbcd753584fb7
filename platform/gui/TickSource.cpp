#include "platform/gui/TickSource.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "platform/gui/Application.h"
#include "runtime/Clock.h"

namespace Platform {

namespace {

// The window system's timers, one for each running Timer.
class QtTickSource : public TickSource {
 public:
  void Start(TickTarget& timer, int intervalMs) override {
    EnsureApplication();
    Stop(timer);
    auto* qtimer = new QTimer(qApp);
    qtimer->setInterval(intervalMs);
    QObject::connect(qtimer, &QTimer::timeout, qtimer, [&timer] { timer.RaiseTick(); });
    qtimer->start();
    timers_[&timer] = qtimer;
  }
  void Stop(TickTarget& timer) override {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    // It may be stopping from inside its own tick.
    if (QTimer* qtimer = it->second) {
      qtimer->stop();
      qtimer->disconnect();
      qtimer->deleteLater();
    }
    timers_.erase(it);
  }

 private:
  std::map<TickTarget*, QPointer<QTimer>> timers_;
};

std::shared_ptr<TickSource>& Installed() {
  static std::shared_ptr<TickSource> source;
  return source;
}

}  // namespace

TickTarget::~TickTarget() = default;
TickSource::~TickSource() = default;

std::shared_ptr<TickSource> CurrentTickSourceShared() {
  static const auto qt = std::make_shared<QtTickSource>();
  return Installed() ? Installed() : qt;
}

TickSource& CurrentTickSource() {
  return *CurrentTickSourceShared();
}

std::shared_ptr<TickSource> SetTickSource(std::shared_ptr<TickSource> source) {
  auto previous = std::move(Installed());
  Installed() = std::move(source);
  return previous;
}

void ManualTickSource::Start(TickTarget& timer, int intervalMs) {
  timers_[&timer] = Entry{intervalMs, now_ + intervalMs};
}

void ManualTickSource::Stop(TickTarget& timer) {
  timers_.erase(&timer);
}

bool ManualTickSource::Running(const TickTarget& timer) const {
  return timers_.count(const_cast<TickTarget*>(&timer)) != 0;
}

void ManualTickSource::Advance(int64_t milliseconds) {
  const int64_t end = now_ + milliseconds;
  auto moveTo = [this](int64_t time) {
    if (time > now_ && Runtime::Clock::IsSet())
      Runtime::Clock::Advance(static_cast<double>(time - now_) / 1000.0);
    now_ = std::max(now_, time);
  };
  for (;;) {
    TickTarget* next = nullptr;
    int64_t due = end + 1;
    for (auto& [timer, entry] : timers_) {
      if (entry.due < due) {
        due = entry.due;
        next = timer;
      }
    }
    if (next == nullptr) break;
    moveTo(due);
    Entry& entry = timers_[next];
    entry.due += std::max(1, entry.interval);
    next->RaiseTick();
  }
  moveTo(end);
}

}  // namespace Platform
