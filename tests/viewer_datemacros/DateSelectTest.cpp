// The date-range dialog off screen, with the person scripted.
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/RecordingSurface.h"
#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "tests/support/FormsFixture.h"
#include "viewer/datemacros/frmDateSelect.h"

using Kordex::frmDateSelect;
using Runtime::DateSerial;
using Runtime::DateTime;
using Runtime::Variant;

namespace {

const char* const App = "TavroKordex";

DateTime Day(int year, int month, int day) {
  return DateSerial(year, month, day);
}

class DateSelect : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Platform::App::SetEXEName(App);
    SetClock(Day(2024, 3, 15), 0.6);  // Friday 15 March 2024 14:24
    Platform::DeleteSetting(App, "Date Macros");
    Platform::DeleteSetting(App, "Date Macro");
    form = std::make_shared<frmDateSelect>();
  }
  void TearDown() override {
    form.reset();
    FormsTest::TearDown();
    Runtime::Clock::Reset();
  }

  static void SetClock(DateTime day, double time = 0.5) {
    Runtime::Clock::Set(DateTime{day.Serial + time});
  }

  // Runs SelectDate with the person's part scripted.
  bool Select(DateTime& from, DateTime& to, const std::function<void()>& person) {
    responder->OnModal = [&](Platform::Form&) { person(); };
    return form->SelectDate(from, to);
  }

  std::shared_ptr<Quillon::clsShortCut> ShortCut(const char* group, int16_t index) {
    return form->Tabrill.ShortCutGroups()->Item(Variant(group))->ShortCuts()->Item(Variant(index));
  }
  void Click(const char* group, int16_t index) {
    auto shortCut = ShortCut(group, index);
    form->Tabrill_SelectShortCut(shortCut);
  }
  void OpenGroup(const char* group) {
    form->Tabrill.ShortCutGroups()->Item(Variant(group))->HeaderButton()->Click.Raise();
  }
  void RightClick(int16_t index) {
    const auto& rect = ShortCut("User", index)->Rect();
    int16_t button = 2;
    int16_t shift = 0;
    float x = (rect->X1() + rect->X2()) / 2.0f;
    float y = (rect->Y1() + rect->Y2()) / 2.0f;
    form->Tabrill.MouseUp.Raise(button, shift, x, y);
  }
  std::vector<std::string> UserCaptions() {
    std::vector<std::string> captions;
    const auto shortCuts = form->Tabrill.ShortCutGroups()->Item(Variant("User"))->ShortCuts();
    for (int16_t i = 1; i <= shortCuts->Count(); ++i) {
      captions.push_back(shortCuts->Item(Variant(i))->Caption());
    }
    return captions;
  }
  // The strip 401 x 180 on the months from..to, the last ones shown.
  void ShowMonths(DateTime from, DateTime to) {
    form->picCalander.Move(0, 0, 401 * 15, 180 * 15);
    OnMonths(from, to);
  }
  // The months from..to, as SelectDate sets them.
  void OnMonths(DateTime from, DateTime to) {
    form->RangeStart = Kordex::FirstOfMonth(from);
    form->RangeEnd = Kordex::FirstOfMonth(to);
    const int32_t months = Kordex::MonthsBetween(form->RangeStart, form->RangeEnd) + 1;
    form->hscDateScroll.SetMax(months > 4 ? months - 4 : 0);
    form->hscDateScroll.SetValue(form->hscDateScroll.Max());
    form->DrawCalendar();
  }
  void Mouse(void (frmDateSelect::*handler)(int16_t&, int16_t&, double&, double&), double x,
             double y) {
    int16_t button = 1;
    int16_t shift = 0;
    (form.get()->*handler)(button, shift, x, y);
  }
  // A macro as the editor makes it.
  void NewMacro(const std::string& name, const std::string& from, const std::string& to = "") {
    Click("User", 1);
    form->txtName.SetText(name);
    form->txtDateFrom.SetText(from);
    form->txtDateTo.SetText(to);
    form->cmdEditOk_Click();
  }
  static void Store(int number, const std::string& name, const std::string& from,
                    const std::string& to) {
    const std::string section = "Date Macro\\" + std::to_string(number);
    Platform::SaveSetting(App, section, "Name", name);
    Platform::SaveSetting(App, section, "Description", "");
    Platform::SaveSetting(App, section, "Date From", from);
    Platform::SaveSetting(App, section, "Date To", to);
  }
  void SaveShot(const char* name) {
    const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR");
    if (binary == nullptr) return;
    form->Show();
    Platform::DoEvents();
    const std::filesystem::path folder = std::filesystem::path(binary) / "viewer_datemacros";
    std::filesystem::create_directories(folder);
    form->Snapshot().Save((folder / name).string());
  }

  std::shared_ptr<frmDateSelect> form;
};

TEST_F(DateSelect, SelectDateReturnsOnlyAConfirmedRange) {
  const DateTime from{Day(2023, 12, 6).Serial + 10.0 / 24};
  const DateTime to{Day(2024, 3, 15).Serial + 10.0 / 24};
  DateTime a = from;
  DateTime b = to;
  EXPECT_FALSE(Select(a, b, [&] {
    EXPECT_EQ(form->VisibleMonths, 4);
    EXPECT_EQ(form->hscDateScroll.Max(), 0);
    form->cmdOk_Click();  // nothing chosen
  }));
  EXPECT_FALSE(Select(a, b, [&] {
    Click("Standard", 1);
    form->cmdCancel_Click();
  }));
  EXPECT_FALSE(Select(a, b, [&] {
    Click("Standard", 1);
    form->UnloadFor(Platform::UnloadModes::FormControlMenu);
  }));
  EXPECT_EQ(a, from);
  EXPECT_EQ(b, to);

  EXPECT_TRUE(Select(a, b, [&] {
    Click("Standard", 1);
    form->cmdOk_Click();
  }));
  EXPECT_EQ(a, Day(2024, 3, 15));
  EXPECT_EQ(b, Day(2024, 3, 15));

  DateTime september = Day(2023, 9, 10);
  Select(september, b, [&] {
    EXPECT_EQ(form->hscDateScroll.Max(), 3);
    EXPECT_EQ(form->hscDateScroll.Value(), 3);
    form->cmdCancel_Click();
  });
}

TEST_F(DateSelect, StandardShortCuts) {
  form->Load();
  Click("Standard", 2);
  EXPECT_EQ(form->SelectedFrom, Day(2024, 3, 9));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 15));
  Click("Standard", 3);
  EXPECT_EQ(form->SelectedFrom, Day(2024, 2, 16));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 15));

  SetClock(Day(2024, 3, 11));  // a Monday
  Click("Standard", 2);
  EXPECT_EQ(form->SelectedFrom, Day(2024, 3, 5));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 11));
  SetClock(Day(2024, 3, 31));
  Click("Standard", 3);
  EXPECT_EQ(form->SelectedFrom, Day(2024, 3, 1));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 31));
}

TEST_F(DateSelect, EvaluateDateMacro) {
  const DateTime untouched = Day(2000, 1, 1);
  DateTime date = untouched;
  int32_t code = -1;
  EXPECT_TRUE(form->EvaluateDateMacro("Now()-7", date, code));
  EXPECT_EQ(date, Day(2024, 3, 8));
  EXPECT_EQ(code, 0);
  date = untouched;
  EXPECT_FALSE(form->EvaluateDateMacro("Concat(\"a\",\"b\")", date, code));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(date, untouched);
  EXPECT_FALSE(form->EvaluateDateMacro("1/0", date, code));
  EXPECT_EQ(code, 5);
  EXPECT_FALSE(form->EvaluateDateMacro("10^10", date, code));
  EXPECT_EQ(code, 1);
  EXPECT_EQ(date, untouched);
}

TEST_F(DateSelect, StripGeometryAndHitTest) {
  int32_t left = 0;
  int32_t right = 0;
  const std::pair<int, int> columns[] = {{1, 99}, {101, 199}, {201, 299}, {301, 399}};
  for (int m = 0; m < 4; ++m) {
    Kordex::ColumnEdges(401, 4, m, left, right);
    EXPECT_EQ(std::make_pair(left, right), columns[m]);
  }

  form->Load();
  ShowMonths(Day(2023, 12, 6), Day(2024, 3, 15));
  const DateTime none{-1};
  EXPECT_EQ(form->DateAtPoint(380, 50, true, none), Day(2024, 3, 1));
  EXPECT_EQ(form->DateAtPoint(380, 10, true, none), Day(2024, 3, 1));
  EXPECT_EQ(form->DateAtPoint(380, 10, false, none), Day(2024, 3, 31));
  EXPECT_EQ(form->DateAtPoint(380, 30, true, none), none);
  EXPECT_FALSE(form->tmrOutOfBounds.Enabled());
  EXPECT_EQ(form->DateAtPoint(401, 90, false, none), Day(2024, 3, 31));
  EXPECT_TRUE(form->tmrOutOfBounds.Enabled());
  // Left of and below the strip is nothing.
  EXPECT_EQ(form->DateAtPoint(-3, 90, true, none), none);
  EXPECT_EQ(form->DateAtPoint(200, 181, true, none), none);

  Mouse(&frmDateSelect::picCalander_MouseDown, 250, 10);  // "Feb"
  EXPECT_EQ(form->SelectedFrom, Day(2024, 2, 1));
  EXPECT_EQ(form->SelectedTo, Day(2024, 2, 29));
  Mouse(&frmDateSelect::picCalander_MouseDown, 305, 90);  // 10 Mar
  Mouse(&frmDateSelect::picCalander_MouseMove, 335, 70);  // 5 Mar
  EXPECT_EQ(form->SelectedFrom, Day(2024, 3, 10));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 10));
  EXPECT_EQ(form->labDateSelect.Caption(), "10 March 2024");

  // One month shown: dragging right of it ends on its last day, not later.
  ShowMonths(Day(2024, 3, 1), Day(2024, 3, 20));
  EXPECT_EQ(form->VisibleMonths, 1);
  Mouse(&frmDateSelect::picCalander_MouseDown, 20, 90);
  Mouse(&frmDateSelect::picCalander_MouseMove, 450, 90);
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 31));
  EXPECT_EQ(form->labDateSelect.Caption(), "10 March 2024 - 31 March 2024");
}

TEST_F(DateSelect, HoldingRightOfTheStripScrollsFasterUntilTheLastMonth) {
  form->Load();
  ShowMonths(Day(2023, 9, 1), Day(2024, 3, 1));
  form->hscDateScroll.SetValue(0);
  Mouse(&frmDateSelect::picCalander_MouseDown, 20, 90);
  Mouse(&frmDateSelect::picCalander_MouseMove, 420, 90);
  std::vector<int> intervals;
  std::vector<int> values;
  for (int tick = 0; tick < 7; ++tick) {
    const int interval = form->tmrOutOfBounds.Interval();
    intervals.push_back(interval);
    ticks->Advance(interval);
    values.push_back(form->hscDateScroll.Value());
  }
  EXPECT_EQ(intervals, (std::vector<int>{300, 260, 220, 180, 140, 100, 100}));
  EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 3, 3, 3, 3}));
  EXPECT_EQ(form->SelectedTo, Day(2024, 3, 31));
  Mouse(&frmDateSelect::picCalander_MouseUp, 420, 90);
  EXPECT_FALSE(form->tmrOutOfBounds.Enabled());
  EXPECT_EQ(form->tmrOutOfBounds.Interval(), 300);
}

TEST_F(DateSelect, TodayHasARedBoxInBothStyles) {
  Kordex::CalendarView view;
  view.RangeStart = Day(2023, 12, 1);
  view.VisibleMonths = 4;
  view.Today = Day(2024, 3, 15);
  for (int32_t style : {0, 1}) {
    view.Style = style;
    Platform::RecordingSurface strip(401, 180);
    Kordex::DrawCalendarStrip(strip, view, 401, 180);
    std::vector<std::vector<double>> redBoxes;
    for (const auto& box : strip.RecordsOf("Box")) {
      if (box.ColourArg == Platform::RGB(255, 0, 0)) redBoxes.push_back(box.Args);
    }
    EXPECT_EQ(redBoxes, (std::vector<std::vector<double>>{{374, 82, 382, 96}})) << style;
  }
}

TEST_F(DateSelect, UserMacrosAreMadeKeptAndChosen) {
  form->Load();
  EXPECT_EQ(UserCaptions(), std::vector<std::string>{"New"});

  NewMacro("Q1", "Date(Year(Now()),1,1)");
  EXPECT_FALSE(form->picDateRangeEdit.Visible());
  EXPECT_EQ(Platform::GetSetting(App, "Date Macros", "Number"), "1");
  EXPECT_EQ(Platform::GetAllSettings(App, "Date Macro\\1").size(), 4U);
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\1", "Date From"), "Date(Year(Now()),1,1)");

  ShowMonths(Day(2023, 9, 1), Day(2024, 3, 1));
  Click("User", 2);
  EXPECT_EQ(form->SelectedFrom, Day(2024, 1, 1));
  EXPECT_EQ(form->SelectedTo, Day(2024, 1, 1));
  EXPECT_EQ(form->hscDateScroll.Value(), 1);

  // Names the bar already shows are refused, and the editor stays open.
  for (const char* name : {"New", "q1", ""}) {
    responder->Messages.clear();
    NewMacro(name, "Now()");
    ASSERT_EQ(responder->Messages.size(), 1U) << name;
    EXPECT_EQ(responder->Messages[0].Title, *name ? "Name In Use!" : "Missing Name!");
    EXPECT_TRUE(form->picDateRangeEdit.Visible());
    form->cmdEditCancel_Click();
  }
  EXPECT_EQ(responder->Messages[0].Prompt, "You must supply a macro name!");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macros", "Number"), "1");

  form->EditDateMacro(1);
  form->txtName.SetText("Quarter");
  form->cmdEditOk_Click();
  EXPECT_EQ(UserCaptions(), (std::vector<std::string>{"New", "Quarter"}));
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\1", "Name"), "Quarter");

  Click("User", 1);
  form->txtName_GotFocus();  // typing replaces the whole placeholder
  EXPECT_EQ(form->txtName.SelStart(), 0);
  EXPECT_EQ(form->txtName.SelLength(), 5);
  form->txtDateFrom.SetText("1/0");
  int16_t enter = 13;
  form->txtDateTo_KeyPress(enter);  // Enter in the last box tests
  EXPECT_EQ(enter, 0);
  EXPECT_EQ(form->labDateFrom.Caption(), "Division By Zero Error");
  form->txtDateFrom.SetText("Now()");
  form->cmdTest_Click();
  EXPECT_EQ(form->labDateTo.Caption(), "15 March 2024");
  form->cmdEditCancel_Click();
  EXPECT_TRUE(form->cmdOk.Enabled());
}

TEST_F(DateSelect, AMacroThatFailsLeavesTheRangeAsItWas) {
  Store(1, "Broken", "Now()-1", "abc");
  Store(2, "Backwards", "Now()", "Now()-3");
  Platform::SaveSetting(App, "Date Macros", "Number", "2");
  form->Load();
  Click("Standard", 1);
  for (int16_t index : {2, 3}) {
    responder->Messages.clear();
    Click("User", index);
    ASSERT_EQ(responder->Messages.size(), 1U);
    EXPECT_EQ(responder->Messages[0].Prompt, "An Errro Has Been Found In The Date Macro!");
    EXPECT_EQ(responder->Messages[0].Title, "Macro Error!");
    EXPECT_EQ(form->SelectedFrom, Day(2024, 3, 15));
    EXPECT_EQ(form->SelectedTo, Day(2024, 3, 15));
  }
}

TEST_F(DateSelect, WhateverTheStoreHoldsLoads) {
  Store(1, "Dup", "Now()", "");
  Store(2, "Dup", "Now()-1", "");
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"2", {"New", "Dup", "Dup"}},
      {"99999", {"New", "Dup", "Dup"}},
      {"abc", {"New", "Dup", "Dup"}},
      {"1e400", {"New", "Dup", "Dup"}}};
  form->Load();
  for (const auto& [number, captions] : cases) {
    Platform::SaveSetting(App, "Date Macros", "Number", number);
    form->LoadDateMacros();
    EXPECT_EQ(UserCaptions(), captions) << number;
  }
  form->SaveDateMacros();
  EXPECT_EQ(Platform::GetSetting(App, "Date Macros", "Number", ""), "2");
}

// A count below 0 hides no stored macro, and the next save writes over none.
TEST_F(DateSelect, NegativeMacroCountTakesTheStoredMacros) {
  Store(1, "First", "Now()", "");
  Store(2, "Second", "Now()-1", "");
  Platform::SaveSetting(App, "Date Macros", "Number", "-1");
  form->Load();
  EXPECT_EQ(UserCaptions(), (std::vector<std::string>{"New", "First", "Second"}));

  NewMacro("Third", "Now()-2");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macros", "Number"), "3");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\1", "Name"), "First");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\2", "Name"), "Second");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\3", "Name"), "Third");
}

TEST_F(DateSelect, Screenshots) {
  Store(1, "This Quarter", "Date(Year(Now),Month(Now)-Mod(Month(Now)-1,3),1)", "Now");
  Store(2, "This Week", "Now-DayOfWeek(Now)+1", "");
  Platform::SaveSetting(App, "Date Macros", "Number", "2");
  form->Load();
  OnMonths(Day(2023, 9, 1), Day(2024, 3, 15));
  Click("Standard", 3);
  OpenGroup("User");
  SaveShot("DateSelect.png");

  Click("User", 1);
  form->txtName.SetText("Month Start");
  form->txtDateFrom.SetText("Date(Year(Now),Month(Now),1)");
  form->cmdTest_Click();
  SaveShot("DateSelectEditor.png");
}

TEST_F(DateSelect, RightClickOnAMacroOffersEditAndDelete) {
  Store(1, "A", "Now()", "");
  Store(2, "B", "Now()-1", "");
  Platform::SaveSetting(App, "Date Macros", "Number", "2");
  form->Load();
  OpenGroup("User");
  RightClick(1);
  EXPECT_TRUE(responder->PoppedMenus.empty());

  responder->OnPopup = [&](Platform::Menu&) { return &form->MacroEdit; };
  RightClick(2);
  ASSERT_EQ(responder->PoppedMenus.size(), 1U);
  EXPECT_EQ(responder->PoppedMenus[0], &form->MacroPopup);
  EXPECT_TRUE(form->picDateRangeEdit.Visible());
  EXPECT_EQ(form->txtName.Text(), "A");
  form->cmdEditCancel_Click();

  responder->OnPopup = [&](Platform::Menu&) { return &form->MacroDelete; };
  responder->MessageAnswers.push_back(Platform::MsgBoxResults::Yes);
  RightClick(2);
  EXPECT_EQ(responder->Messages.back().Prompt, "Delete the date macro 'A'?");
  EXPECT_EQ(UserCaptions(), (std::vector<std::string>{"New", "B"}));
  EXPECT_EQ(Platform::GetSetting(App, "Date Macros", "Number"), "1");
  EXPECT_EQ(Platform::GetSetting(App, "Date Macro\\1", "Name"), "B");
  EXPECT_TRUE(Platform::GetAllSettings(App, "Date Macro\\2").empty());
}

}  // namespace
