// Timers under the test's tick source and the runtime's settable clock.
#include "platform/gui/MsgBox.h"
#include "platform/gui/Timer.h"
#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

class MainWindow : public Form {
 public:
  MainWindow() : Form("MainForm") {
    UpdateTimer.SetInterval(1000);
    UpdateTimer.SetEnabled(false);
    UpdateTimer.Tick.Connect([this] { ++ticks; });
  }
  void Form_Load() override { UpdateTimer.SetEnabled(true); }
  Timer UpdateTimer{*this, "UpdateTimer"};
  int ticks = 0;
};

}  // namespace

TEST_F(FormsTest, TimerTicksUnderTheTestClock) {
  Runtime::Clock::Set(Runtime::DateSerial(2024, 3, 15));
  auto form = std::make_shared<MainWindow>();
  ticks->Advance(5000);
  EXPECT_EQ(form->ticks, 0) << "a timer of a form not loaded stays still";
  form->Load();
  ticks->Advance(3500);
  EXPECT_EQ(form->ticks, 3);
  EXPECT_DOUBLE_EQ(Runtime::Clock::Now().Serial,
                   Runtime::DateSerial(2024, 3, 15).Serial + 8.5 / 86400.0);
  ticks->Advance(500);
  EXPECT_EQ(form->ticks, 4);
  // Switched off while its handler works, on again afterwards.
  form->UpdateTimer.Tick.Connect([&] {
    form->UpdateTimer.SetEnabled(false);
    form->UpdateTimer.SetEnabled(true);
  });
  ticks->Advance(3000);
  EXPECT_EQ(form->ticks, 7);
  form->UpdateTimer.SetEnabled(false);
  ticks->Advance(3000);
  EXPECT_EQ(form->ticks, 7);
  form->UpdateTimer.SetEnabled(true);
  form->UpdateTimer.SetInterval(0);
  ticks->Advance(3000);
  EXPECT_EQ(form->ticks, 7);
  form->UpdateTimer.SetInterval(250);
  ticks->Advance(1000);
  EXPECT_EQ(form->ticks, 11);
  form->Unload();
  ticks->Advance(1000);
  EXPECT_EQ(form->ticks, 11);
  EXPECT_EQ(RaisedError([&] { form->UpdateTimer.SetInterval(70000); }), 380);
  Runtime::Clock::Reset();
}

TEST_F(FormsTest, ARepeatedTimerErrorIsReportedOnce) {
  auto form = std::make_shared<MainWindow>();
  form->UpdateTimer.Tick.Connect([] { Runtime::Raise(Runtime::ErrorNumber::DivisionByZero); });
  form->Load();
  ticks->Advance(10000);
  EXPECT_EQ(form->ticks, 10) << "the program goes on";
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_NE(responder->Messages[0].Prompt.find("Division by zero"), std::string::npos);
  EXPECT_EQ(responder->Messages[0].Buttons, MsgBoxStyles::Critical);
}
