// Events: handlers in connection order, arguments read back, and connecting or
// disconnecting while an event is raised.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"

using Platform::Connection;
using Platform::Event;
using Platform::ScopedConnection;

TEST(EventTest, HandlersRunInOrderAndTheRaiserReadsTheArgumentsBack) {
  Event<int16_t&, std::string> event;
  std::vector<std::string> calls;
  event.Connect([&](int16_t& action, std::string what) {
    calls.push_back("first " + what);
    action = 0;
  });
  event.Connect(
      [&](int16_t& action, std::string) { calls.push_back("second " + std::to_string(action)); });
  int16_t action = -1;
  event.Raise(action, "TooFew");
  EXPECT_EQ(calls, (std::vector<std::string>{"first TooFew", "second 0"}));
  EXPECT_EQ(action, 0);
}

TEST(EventTest, DisconnectingDuringARaiseSkipsTheHandler) {
  Event<> event;
  std::vector<int> calls;
  Connection second;
  event.Connect([&] {
    calls.push_back(1);
    second.Disconnect();
    event.Connect([&] { calls.push_back(3); });
  });
  second = event.Connect([&] { calls.push_back(2); });
  event.Raise();
  EXPECT_EQ(calls, (std::vector<int>{1}))
      << "a handler connected meanwhile waits for the next raise";
  EXPECT_FALSE(second.Connected());
  calls.clear();
  event.Raise();
  EXPECT_EQ(calls, (std::vector<int>{1, 3}));
}

TEST(EventTest, ScopedConnectionsAndEventsThatGoFirst) {
  auto event = std::make_unique<Event<int>>();
  int sum = 0;
  {
    ScopedConnection scoped = event->Connect([&](int value) { sum += value; });
    event->Raise(2);
    EXPECT_TRUE(scoped.Connected());
  }
  event->Raise(5);
  EXPECT_EQ(sum, 2);
  Connection handle = event->Connect([&](int value) { sum += value; });
  EXPECT_TRUE(event->HasHandlers());
  event.reset();
  EXPECT_FALSE(handle.Connected());
  handle.Disconnect();
}

TEST(EventTest, AHandlerMayDestroyTheEventItIsRaisedFrom) {
  auto event = std::make_unique<Event<>>();
  int later = 0;
  event->Connect([&] { event.reset(); });
  event->Connect([&] { ++later; });
  event->Raise();
  EXPECT_EQ(later, 0);
}
