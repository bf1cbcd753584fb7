// The main window: start-up, the update timer's flag polls and refreshes, the
// report date range and shutdown.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Problems.h"
#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "tests/viewer_shell/ShellTestSupport.h"

using Kordex::KordexModule::ReportWork;
using Runtime::Variant;

namespace {

std::shared_ptr<Platform::Tool> ToolOf(const Kordex::MainForm& form, const std::string& id) {
  return form.ToolBars->Tools()->Item(Variant(id));
}

std::vector<std::string> MenuIds(const Kordex::MainForm& form, const std::string& menu) {
  std::vector<std::string> ids;
  for (const auto& tool : *ToolOf(form, menu)->Menu()->Tools()) ids.push_back(tool->ID());
  return ids;
}

void SetFlag(const std::string& value) {
  ShellTestSupport::AppendSettingsUnderLock(
      ShellTestSupport::UserSettingsFile(),
      "[Software\\Program Settings\\Vantrel\\MachineControl]\n\"PRDCount\"=sz:" + value + "\n");
}

std::string Flag() {
  return Platform::GetSetting("Vantrel", "MachineControl", "PRDCount", "missing");
}

// A main window whose rebuilds count, and fail when told to.
class CountingMainForm : public Kordex::MainForm {
 public:
  void objConstraintsCol_MenuSelection(std::shared_ptr<Morvelt::TavroSPCConstraints>&,
                                       bool& CreateNewForm) override {
    ++Rebuilds;
    EXPECT_FALSE(CreateNewForm);
    if (Fail) Runtime::Raise(Runtime::ErrorNumber::Overflow);
  }
  int Rebuilds = 0;
  bool Fail = false;
};

}  // namespace

class MainWindowTest : public ShellTest {
 protected:
  std::shared_ptr<CountingMainForm> StartCounting() {
    std::filesystem::create_directory(data.Path() / "Line1");
    StorePreference("Data Directory", Variant(data.Folder()));
    auto form = std::make_shared<CountingMainForm>();
    mainForm = form;
    form->Load();
    form->objConstraintsCol->Add(std::make_shared<Morvelt::TavroSPCConstraints>(), "CHART1");
    return form;
  }

  TestSupport::TempDir data;
};

TEST_F(MainWindowTest, StartUpWithEmptySettings) {
  auto form = StartMainWindow();
  auto& prefs = *form->objPreferences;
  ASSERT_EQ(prefs.Count(), 6);
  EXPECT_EQ(prefs.Item(Variant("Pareto Display Width"))->Value(), Variant(int16_t{10}));
  EXPECT_EQ(prefs.Item(Variant("Pareto Maximum Entries"))->Value(), Variant(int16_t{10}));
  EXPECT_EQ(prefs.Item(Variant("RunTime Display Width"))->Value(), Variant(int16_t{31}));
  EXPECT_EQ(prefs.Item(Variant("RunTime History"))->Value(), Variant(int16_t{100}));
  EXPECT_EQ(prefs.Item(Variant("Data Directory"))->Value(),
            Variant(Platform::App::Path() + "/Data/"));
  EXPECT_EQ(prefs.Item(Variant("Data Directory"))->FileType(), 1);
  EXPECT_EQ(prefs.Item(Variant("Update Interval"))->Value(), Variant(int16_t{5}));
  EXPECT_EQ(Kordex::KordexModule::LineStatusTemplate, "Panel Count\r\n<CP>");
  EXPECT_EQ(Kordex::KordexModule::TodayDate, Runtime::DateSerial(2026, 3, 9));
  EXPECT_EQ(form->Caption(), "Tavro Kordex Viewer");
  EXPECT_TRUE(form->objConstraintsCol);

  for (const char* id : {"Close", "Print", "Save", "MinimiseAll", "MaximiseAll", "ArrangeIcons",
                         "Cascade", "TileHorizontal", "TileVertical", "Copy", "ManualUpdate",
                         "CreateTable", "Graphs", "Cut", "Paste"})
    EXPECT_FALSE(ToolOf(*form, id)->Enabled()) << id;
  EXPECT_TRUE(ToolOf(*form, "Exit")->Enabled());

  // One tool object wherever it stands.
  const auto date = ToolOf(*form, "Date");
  EXPECT_EQ(ToolOf(*form, "CompWast")->Menu()->Tools()->Item(Variant("Date")), date);
  EXPECT_EQ(ToolOf(*form, "Productivity")->Menu()->Tools()->Item(Variant("Date")), date);
  const auto reports =
      form->ToolBars->Bands()->Item(Variant("MenuBar"))->Tools()->Item(Variant("Reports"));
  EXPECT_EQ(MenuIds(*form, "Reports").back(), "ReportSeparator");
  EXPECT_EQ(reports->Menu()->Tools()->Item(Variant("ReportSeparator"))->Type(),
            Platform::ToolTypes::Separator);
  EXPECT_EQ(ToolOf(*form, "Cascade")->Description(), "Casscade Reports");
  EXPECT_TRUE(ticks->Running(form->UpdateTimer));
}

TEST_F(MainWindowTest, LinesMenuListsTheDataDirectorysLines) {
  auto data = ShellTestSupport::WriteSampleData({.Lines = 2, .Machines = 2, .Days = 5});
  auto form = StartMainWindow(data.Folder());
  EXPECT_EQ(MenuIds(*form, "Production Lines"), (std::vector<std::string>{"Line1", "Line2"}));
  EXPECT_EQ(ToolOf(*form, "Line1")->State(), 1);
  EXPECT_EQ(Kordex::KordexModule::ProductionLines.Count(), 2);
}

TEST_F(MainWindowTest, UnreadableDataDirectoryIsReportedAndTheWindowOpens) {
  StorePreference("Data Directory", Variant("/tmp/no*such/"));
  auto form = StartMainWindow();
  EXPECT_EQ(responder->Messages.size(), 1u);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_EQ(form->Caption(), "Tavro Kordex Viewer");
  EXPECT_TRUE(ticks->Running(form->UpdateTimer));
}

TEST_F(MainWindowTest, MissingDataDirectoryIsReportedAtTheStart) {
  StorePreference("Data Directory", Variant("/tmp/no-such-folder/Data/"));
  auto form = StartMainWindow();
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title, "Data Directory Error!");
  EXPECT_TRUE(ticks->Running(form->UpdateTimer));
}

TEST_F(MainWindowTest, ChartsKeepTheirDataWhileTheDataDirectoryIsOutOfReach) {
  auto form = StartCounting();
  const std::filesystem::path away = data.Path().string() + ".away";
  std::filesystem::rename(data.Path(), away);
  Seconds(301 * 2);
  EXPECT_EQ(form->Rebuilds, 0);
  ASSERT_EQ(responder->Messages.size(), 1u);  // told once
  EXPECT_EQ(responder->Messages[0].Title, "Data Directory Error!");
  std::filesystem::rename(away, data.Path());
  Seconds(301);
  EXPECT_EQ(form->Rebuilds, 1);
  EXPECT_TRUE(ticks->Running(form->UpdateTimer));
}

TEST_F(MainWindowTest, FlagIsPolledEveryTenthTick) {
  StartMainWindow();
  for (const char* value : {"1", "-1", "True"}) {
    SetFlag(value);
    Seconds(9);
    EXPECT_EQ(Flag(), value);
    Seconds(1);
    EXPECT_EQ(Flag(), "0") << value;
  }
  const auto settings = ShellTestSupport::UserSettingsFile();
  std::filesystem::remove(settings);
  Seconds(10);
  EXPECT_FALSE(std::filesystem::exists(settings)) << "a missing flag is written";
  for (const char* value : {"0", "False"}) {
    SetFlag(value);
    const auto written = std::filesystem::last_write_time(settings);
    Seconds(10);
    EXPECT_EQ(std::filesystem::last_write_time(settings), written) << value;
  }
  const int problems = Platform::ProblemCount();
  SetFlag("maybe");
  Seconds(20);
  EXPECT_EQ(Flag(), "maybe");
  EXPECT_EQ(Platform::ProblemCount(), problems + 1);
  EXPECT_TRUE(ticks->Running(mainForm->UpdateTimer));
}

TEST_F(MainWindowTest, RefreshFollowsTheUpdateInterval) {
  auto form = StartCounting();
  Seconds(300);
  EXPECT_EQ(form->Rebuilds, 0);
  Seconds(1);
  EXPECT_EQ(form->Rebuilds, 1);
  EXPECT_EQ(form->TickCounter(), 0);
  Seconds(301);
  EXPECT_EQ(form->Rebuilds, 2);  // tick 602
  EXPECT_EQ(form->MousePointer(), 0);

  // The interval is read on every tick; below 1 counts as 1.
  form->objPreferences->Item(Variant("Update Interval"))->SetValue(Variant(1.0));
  Seconds(61);
  EXPECT_EQ(form->Rebuilds, 3);
  form->objPreferences->Item(Variant("Update Interval"))->SetValue(Variant(30.0));
  Seconds(1800);
  EXPECT_EQ(form->Rebuilds, 3);
  Seconds(1);
  EXPECT_EQ(form->Rebuilds, 4);

  // A counter at 69 when the interval drops to 1: the flag, then the refresh, on tick 70.
  form->objPreferences->Item(Variant("Update Interval"))->SetValue(Variant(5.0));
  Seconds(69);
  SetFlag("1");
  form->objPreferences->Item(Variant("Update Interval"))->SetValue(Variant(0.0));
  Seconds(1);
  EXPECT_EQ(Flag(), "0");
  EXPECT_EQ(form->Rebuilds, 5);
  EXPECT_EQ(form->TickCounter(), 0);
}

TEST_F(MainWindowTest, RefreshWaitsForReportWorkAndDialogs) {
  auto form = StartCounting();
  {
    ReportWork work;
    Seconds(320);
    EXPECT_EQ(form->Rebuilds, 0);
    EXPECT_EQ(form->TickCounter(), 320);
  }
  Seconds(1);
  EXPECT_EQ(form->Rebuilds, 1);

  auto dialog = std::make_shared<Platform::Form>("Dialog");
  responder->OnModal = [&](Platform::Form& shown) {
    Seconds(305);
    EXPECT_EQ(form->Rebuilds, 1);
    shown.Hide();
  };
  dialog->Show(Platform::ShowModes::Modal);
  Seconds(1);
  EXPECT_EQ(form->Rebuilds, 2);
}

TEST_F(MainWindowTest, ManualUpdateDuringReportWorkFollowsIt) {
  auto form = StartCounting();
  {
    ReportWork work;
    form->ToolBars_ToolClick(ToolOf(*form, "ManualUpdate"));
    form->ToolBars_ToolClick(ToolOf(*form, "ManualUpdate"));
    EXPECT_EQ(form->Rebuilds, 0);
  }
  EXPECT_EQ(form->Rebuilds, 1);
}

TEST_F(MainWindowTest, FailingRefreshLeavesTheTimerOn) {
  auto form = StartCounting();
  responder->Messages.clear();
  form->Fail = true;
  Seconds(301);
  EXPECT_EQ(form->Rebuilds, 1);
  EXPECT_TRUE(ticks->Running(form->UpdateTimer));
  EXPECT_EQ(form->MousePointer(), 0);
  EXPECT_EQ(responder->Messages.size(), 1u);
  form->Fail = false;
  Seconds(301);
  EXPECT_EQ(form->Rebuilds, 2);
}

TEST_F(MainWindowTest, SelectDateRangeSetsTheRangeEvenWhenCancelled) {
  StorePreference("RunTime History", Variant(int32_t{730}));
  StartMainWindow();
  datePrompt->Answer = false;
  EXPECT_FALSE(Kordex::KordexModule::SelectDateRange());
  const auto now = ShellTestSupport::FixedNow();
  EXPECT_EQ(Kordex::KordexModule::ReportDateFrom, Runtime::DateAdd("d", -730, now));
  EXPECT_EQ(Kordex::KordexModule::ReportDateTo, now);

  datePrompt->Answer = true;
  datePrompt->Choice = {{Runtime::DateSerial(2026, 1, 1), Runtime::DateSerial(2026, 1, 31)}};
  EXPECT_TRUE(Kordex::KordexModule::SelectDateRange());
  EXPECT_EQ(Kordex::KordexModule::ReportDateTo, Runtime::DateSerial(2026, 1, 31));
}

TEST_F(MainWindowTest, ExitUnloadsEverythingOnceReportWorkEnds) {
  auto form = StartMainWindow();
  auto child = std::make_shared<Platform::Form>("Child", Platform::Form::Kind::MdiChild);
  child->Show();
  {
    ReportWork work;
    form->ToolBars->ToolClicked(ToolOf(*form, "Exit"));
    EXPECT_TRUE(form->IsLoaded());
  }
  Seconds(1);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(Platform::Forms::Count(), 0);
  EXPECT_FALSE(form->objConstraintsCol);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TestSupport::TestRoot()))
    EXPECT_EQ(entry.path().string().find("TavroKordex.Log"), std::string::npos) << entry.path();
}
