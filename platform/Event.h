#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Platform {

namespace EventDetail {

// What an event and the handles of its connections share, so that a handle
// outliving its event (or the other way round) stays harmless.
struct State {
  struct Slot {
    uint64_t id;
    bool connected;
  };
  uint64_t nextId = 1;
  std::vector<std::shared_ptr<Slot>> live;

  void Drop(uint64_t id) {
    for (auto it = live.begin(); it != live.end(); ++it) {
      if ((*it)->id == id) {
        (*it)->connected = false;
        live.erase(it);
        return;
      }
    }
  }
};

}  // namespace EventDetail

// A handle to one handler of an event. Copyable; disconnecting through any copy
// disconnects the handler. Harmless once the event is gone.
class Connection {
 public:
  Connection() = default;

  void Disconnect() {
    if (auto state = state_.lock()) state->Drop(id_);
    state_.reset();
  }

  bool Connected() const {
    auto state = state_.lock();
    if (!state) return false;
    for (const auto& slot : state->live)
      if (slot->id == id_) return slot->connected;
    return false;
  }

 private:
  template <typename...>
  friend class Event;
  Connection(std::weak_ptr<EventDetail::State> state, uint64_t id)
      : state_(std::move(state)), id_(id) {}

  std::weak_ptr<EventDetail::State> state_;
  uint64_t id_ = 0;
};

// Disconnects its handler when it goes out of scope: for a listener that may
// die before the object it listens to.
class ScopedConnection {
 public:
  ScopedConnection() = default;
  ScopedConnection(Connection connection) : connection_(std::move(connection)) {}
  ScopedConnection(const ScopedConnection&) = delete;
  ScopedConnection& operator=(const ScopedConnection&) = delete;
  ScopedConnection(ScopedConnection&& other) noexcept
      : connection_(std::exchange(other.connection_, {})) {}
  ScopedConnection& operator=(ScopedConnection&& other) noexcept {
    if (this != &other) {
      connection_.Disconnect();
      connection_ = std::exchange(other.connection_, {});
    }
    return *this;
  }
  ~ScopedConnection() { connection_.Disconnect(); }

  void Disconnect() { connection_.Disconnect(); }
  bool Connected() const { return connection_.Connected(); }

 private:
  Connection connection_;
};

// An event of an object: handlers called synchronously in the order they were
// connected. Arguments declared as references (Event<int16_t&>) reach every
// handler by reference, so the raiser reads back what the handlers left there.
//
// Handlers may connect and disconnect handlers while the event is being raised:
// a raise calls the handlers connected when it started, skipping any that were
// disconnected meanwhile.
template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  Event() : state_(std::make_shared<EventDetail::State>()) {}
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  // A handler may destroy the object that owns the event while it is raised;
  // the rest of that raise then calls nothing.
  ~Event() { DisconnectAll(); }

  Connection Connect(Handler handler) {
    const uint64_t id = state_->nextId++;
    auto slot = std::make_shared<EventDetail::State::Slot>(EventDetail::State::Slot{id, true});
    state_->live.push_back(slot);
    handlers_.push_back(Entry{std::move(slot), std::make_shared<Handler>(std::move(handler))});
    return Connection(state_, id);
  }

  void Disconnect(Connection& connection) { connection.Disconnect(); }

  void DisconnectAll() {
    for (auto& slot : state_->live) slot->connected = false;
    state_->live.clear();
    handlers_.clear();
  }

  bool HasHandlers() const {
    for (const auto& entry : handlers_)
      if (entry.slot->connected) return true;
    return false;
  }

  void Raise(Args... args) {
    Prune();
    const std::vector<Entry> snapshot = handlers_;
    for (const auto& entry : snapshot)
      if (entry.slot->connected) (*entry.handler)(args...);
  }

  void operator()(Args... args) { Raise(args...); }

 private:
  struct Entry {
    std::shared_ptr<EventDetail::State::Slot> slot;
    std::shared_ptr<Handler> handler;
  };

  void Prune() {
    std::erase_if(handlers_, [](const Entry& entry) { return !entry.slot->connected; });
  }

  std::shared_ptr<EventDetail::State> state_;
  std::vector<Entry> handlers_;
};

}  // namespace Platform
