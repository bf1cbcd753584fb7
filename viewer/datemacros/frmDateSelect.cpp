#include "viewer/datemacros/frmDateSelect.h"

#include <algorithm>
#include <cmath>

#include "common/WindowsXPButtons.h"
#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/Surface.h"
#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Strings.h"
#include "viewer/datemacros/DateMacroIcons.h"
#include "viewer/datemacros/modFormula.h"

namespace Kordex {

using Platform::MsgBox;
using Runtime::DateTime;
using Runtime::Variant;
namespace MsgBoxStyles = Platform::MsgBoxStyles;

namespace {

constexpr double Twips = Platform::TwipsPerPixel;
constexpr int OutOfBoundsStart = 300;  // ms between the first scroll steps
constexpr int OutOfBoundsStep = 40;
constexpr int OutOfBoundsFastest = 100;
// Stored macros beyond this would overflow the 16-bit count of the "User"
// group, which also holds "New".
constexpr int32_t MaxMacros = 32766;

const char* const MacrosSection = "Date Macros";

std::string MacroSection(int32_t number) {
  return "Date Macro\\" + std::to_string(number);
}

// The stored macro count, a huge number as many as there can be; -1 when
// what is stored is no count at all or one below 0.
int32_t StoredMacroCount(const std::string& text) {
  double count = 0;
  try {
    if (!Runtime::IsNumeric(Variant(text))) return -1;
    count = Runtime::Val(text);
  } catch (const Runtime::Error&) {
    return -1;
  }
  if (!std::isfinite(count) || count < 0) return -1;
  return static_cast<int32_t>(Runtime::RoundHalfEven(std::min(count, 32767.0)));
}

std::string LongDate(DateTime date) {
  return Runtime::Format(Variant(date), "Long Date");
}

// Enter moves on to the next box of the editor; the box itself never sees it.
bool EnterPressed(int16_t& KeyAscii) {
  if (KeyAscii != Platform::KeyCodes::Return) return false;
  KeyAscii = 0;
  return true;
}

// The next drag right of the strip starts scrolling slowly again.
void StopScrolling(Platform::Timer& timer) {
  timer.SetEnabled(false);
  timer.SetInterval(OutOfBoundsStart);
}

// The macro a shortcut of the User group stands for: "New" comes first.
int16_t MacroNumber(const Quillon::clsShortCut& shortCut) {
  return static_cast<int16_t>(shortCut.Index() - 1);
}

DateTime DaysAfter(DateTime date, int32_t days) {
  return DateTime{date.Serial + days};
}

// The day of a formula's value. False for a value that is no number, and
// with ErrorCode set for a formula error or a number outside the calendar.
bool DayOf(const FormulaResult& value, DateTime& Result, int32_t& ErrorCode) {
  ErrorCode = value.ErrorCode;
  if (value.ErrorCode != FormulaNoError || value.ValueType != FormulaNumber) return false;
  try {
    const DateTime date = Runtime::CDate(value.Value);
    Result = Runtime::DateSerial(Runtime::Year(date), Runtime::Month(date), Runtime::Day(date));
    return true;
  } catch (const Runtime::Error&) {
    ErrorCode = FormulaSyntaxError;
    return false;
  }
}

}  // namespace

frmDateSelect::frmDateSelect() : Form("frmDateSelect") {
  SetCaption("Date Select");
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetMinButton(false);
  SetMaxButton(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterOwner);
  imlTabrill.Add(DateMacroIcons::Calendar(), "Calendar");
  imlTabrill.Add(DateMacroIcons::CalendarEdit(), "Calendar Edit");

  cmdOk.SetCaption("Ok");
  cmdCancel.SetCaption("Cancel");
  tmrOutOfBounds.SetEnabled(false);
  tmrOutOfBounds.SetInterval(OutOfBoundsStart);
  picCalander.SetBorderStyle(0);
  labDateSelect.SetAlignment(Platform::Alignments::Center);

  picDateRangeEdit.SetVisible(false);
  labEditTitle.SetCaption("Date Macro Editor");
  labEditTitle.SetFontBold(true);
  labName.SetCaption("Name");
  labDescription.SetCaption("Description");
  labDateFromCaption.SetCaption("Date From");
  labDateToCaption.SetCaption("Date To");
  labDateFrom.SetCaption("");
  labDateTo.SetCaption("");
  cmdTest.SetCaption("Test");
  cmdEditOk.SetCaption("Ok");
  cmdEditCancel.SetCaption("Cancel");

  MacroPopup.SetCaption("Macro");
  MacroPopup.SetVisible(false);
  MacroEdit.SetCaption("Edit");
  MacroDelete.SetCaption("Delete");

  LayOut();
  Connect();
}

frmDateSelect::~frmDateSelect() = default;

// The bar on the left; the strip beside it with the scroll bar and the range
// below; Ok and Cancel at the bottom right; the macro editor over the strip.
void frmDateSelect::LayOut() {
  const double barWidth = 112;
  const double stripLeft = barWidth + 10;
  const double stripWidth = 481;
  const double stripHeight = 207;
  const double right = stripLeft + stripWidth;
  SetClientSize((right + 10) * Twips, 305 * Twips);
  Tabrill.Move(0, 0, barWidth * Twips, 305 * Twips);
  picCalander.Move(stripLeft * Twips, 10 * Twips, stripWidth * Twips, stripHeight * Twips);
  hscDateScroll.Move(stripLeft * Twips, 221 * Twips, stripWidth * Twips, 17 * Twips);
  labDateSelect.Move(stripLeft * Twips, 244 * Twips, stripWidth * Twips, 17 * Twips);
  cmdOk.Move((right - 170) * Twips, 270 * Twips, 80 * Twips, 25 * Twips);
  cmdCancel.Move((right - 80) * Twips, 270 * Twips, 80 * Twips, 25 * Twips);

  // Inside the editor the positions are the panel's pixels.
  picDateRangeEdit.Move(stripLeft * Twips, 10 * Twips, stripWidth * Twips, 251 * Twips);
  labEditTitle.Move(10, 8, 300, 17);
  Platform::VisualControl* rows[][3] = {{&labName, &txtName, nullptr},
                                        {&labDescription, &txtDescription, nullptr},
                                        {&labDateFromCaption, &txtDateFrom, &labDateFrom},
                                        {&labDateToCaption, &txtDateTo, &labDateTo}};
  double top = 40;
  for (const auto& row : rows) {
    row[0]->Move(10, top + 3, 80, 17);
    const double boxWidth = row[2] != nullptr ? 250 : 375;
    row[1]->Move(92, top, boxWidth, 21);
    if (row[2] != nullptr) row[2]->Move(350, top + 3, 125, 17);
    top += 32;
  }
  cmdTest.Move(10, 214, 80, 25);
  cmdEditOk.Move(305, 214, 80, 25);
  cmdEditCancel.Move(391, 214, 80, 25);
}

void frmDateSelect::Connect() {
  Tabrill.SelectShortCut.Connect([this](std::shared_ptr<Quillon::clsShortCut>& shortCut) {
    Tabrill_SelectShortCut(shortCut);
  });
  Tabrill.MouseUp.Connect([this](int16_t& button, int16_t& shift, float& x, float& y) {
    Tabrill_MouseUp(button, shift, x, y);
  });
  hscDateScroll.Change.Connect([this] { hscDateScroll_Change(); });
  hscDateScroll.Scroll.Connect([this] { hscDateScroll_Scroll(); });
  cmdOk.Click.Connect([this] { cmdOk_Click(); });
  cmdCancel.Click.Connect([this] { cmdCancel_Click(); });
  picCalander.MouseDown.Connect([this](int16_t& button, int16_t& shift, double& x, double& y) {
    picCalander_MouseDown(button, shift, x, y);
  });
  picCalander.MouseMove.Connect([this](int16_t& button, int16_t& shift, double& x, double& y) {
    picCalander_MouseMove(button, shift, x, y);
  });
  picCalander.MouseUp.Connect([this](int16_t& button, int16_t& shift, double& x, double& y) {
    picCalander_MouseUp(button, shift, x, y);
  });
  tmrOutOfBounds.Tick.Connect([this] { tmrOutOfBounds_Timer(); });
  cmdTest.Click.Connect([this] { cmdTest_Click(); });
  cmdEditOk.Click.Connect([this] { cmdEditOk_Click(); });
  cmdEditCancel.Click.Connect([this] { cmdEditCancel_Click(); });
  MacroEdit.Click.Connect([this] { MacroEdit_Click(); });
  MacroDelete.Click.Connect([this] { MacroDelete_Click(); });
  txtName.GotFocus.Connect([this] { txtName_GotFocus(); });
  txtName.KeyPress.Connect([this](int16_t& key) { txtName_KeyPress(key); });
  txtDescription.KeyPress.Connect([this](int16_t& key) { txtDescription_KeyPress(key); });
  txtDateFrom.KeyPress.Connect([this](int16_t& key) { txtDateFrom_KeyPress(key); });
  txtDateTo.KeyPress.Connect([this](int16_t& key) { txtDateTo_KeyPress(key); });
}

// --- Interface ---------------------------------------------------------------

bool frmDateSelect::SelectDate(DateTime& DateFrom, DateTime& DateTo) {
  RangeStart = FirstOfMonth(DateFrom);
  RangeEnd = FirstOfMonth(DateTo);
  const int32_t months = MonthsBetween(RangeStart, RangeEnd) + 1;
  hscDateScroll.SetMax(months > MaxVisibleMonths ? months - MaxVisibleMonths : 0);
  hscDateScroll.SetValue(hscDateScroll.Max());
  DrawCalendar();
  SetTag("");
  Show(Platform::ShowModes::Modal);

  bool chosen = false;
  if (Tag() == "Ok" && SelectedFrom.Serial > 0) {
    DateFrom = SelectedFrom;
    DateTo = SelectedTo;
    chosen = true;
  }
  SelectedFrom = SelectedTo = DateTime{};
  DrawCalendar();
  Unload();
  return chosen;
}

bool frmDateSelect::EvaluateDateMacro(const std::string& Macro, DateTime& Result,
                                      int32_t& ErrorCode) {
  return DayOf(EvaluateFormula(Macro), Result, ErrorCode);
}

void frmDateSelect::DateSelectStyle(int32_t value) {
  if (value == 0 || value == 1) dateSelectStyle_ = value;
}

// --- Calendar strip ----------------------------------------------------------

CalendarView frmDateSelect::View() const {
  CalendarView view;
  view.SelectedFrom = SelectedFrom;
  view.SelectedTo = SelectedTo;
  view.RangeStart = RangeStart;
  view.Scroll = hscDateScroll.Value();
  view.VisibleMonths = VisibleMonths;
  view.Style = dateSelectStyle_;
  view.Today = Runtime::Today();
  return view;
}

void frmDateSelect::DrawCalendar() {
  const int32_t months = MonthsBetween(RangeStart, RangeEnd) + 1 - hscDateScroll.Value();
  VisibleMonths = static_cast<int16_t>(std::clamp<int32_t>(months, 1, MaxVisibleMonths));
  Platform::Surface& strip = picCalander.Drawing();
  DrawCalendarStrip(strip, View(), strip.ScaleWidth(), strip.ScaleHeight());

  std::string range;
  if (SelectedFrom.Serial > 0) {
    range = LongDate(SelectedFrom);
    if (SelectedTo.Serial != SelectedFrom.Serial) range += " - " + LongDate(SelectedTo);
  }
  labDateSelect.SetCaption(range);
}

void frmDateSelect::PositionCalendar() {
  const int32_t offset = MonthsBetween(SelectedTo, RangeEnd);
  const int before = hscDateScroll.Value();
  const int max = hscDateScroll.Max();
  hscDateScroll.SetValue(offset > max || offset < 0 ? 0 : max - offset);
  if (hscDateScroll.Value() == before) DrawCalendar();
}

DateTime frmDateSelect::DateAtPoint(double X, double Y, bool IsStart, DateTime Default) {
  const Platform::Surface& strip = picCalander.Drawing();
  bool rightOfStrip = false;
  const DateTime date = Kordex::DateAtPoint(View(), strip.ScaleWidth(), strip.ScaleHeight(), X, Y,
                                            IsStart, Default, rightOfStrip);
  if (rightOfStrip)
    tmrOutOfBounds.SetEnabled(true);
  else
    StopScrolling(tmrOutOfBounds);
  return date;
}

void frmDateSelect::picCalander_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Shift;
  if (Button != Platform::MouseButtons::Left) return;
  const DateTime date = DateAtPoint(X, Y, true, SelectedFrom);
  if (date.Serial <= 0) return;
  SelectedFrom = date;
  SelectedTo = DateAtPoint(X, Y, false, SelectedTo);
  DrawCalendar();
}

void frmDateSelect::picCalander_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Shift;
  if ((Button & Platform::MouseButtons::Left) == 0) return;
  const DateTime date = DateAtPoint(X, Y, false, SelectedTo);
  // The end never moves before the start.
  if (SelectedFrom.Serial > 0 && date.Serial != SelectedTo.Serial &&
      date.Serial >= SelectedFrom.Serial) {
    SelectedTo = date;
    DrawCalendar();
  }
}

void frmDateSelect::picCalander_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  if (Button == Platform::MouseButtons::Left) StopScrolling(tmrOutOfBounds);
}

// Held right of the strip: one month further on each tick, faster and faster.
void frmDateSelect::tmrOutOfBounds_Timer() {
  if (hscDateScroll.Value() < hscDateScroll.Max()) {
    hscDateScroll.SetValue(hscDateScroll.Value() + 1);
    int16_t button = Platform::MouseButtons::Left;
    int16_t shift = 0;
    double x = picCalander.Drawing().ScaleWidth() + 30;
    double y = 0;
    picCalander_MouseMove(button, shift, x, y);
  }
  if (tmrOutOfBounds.Interval() > OutOfBoundsFastest) {
    tmrOutOfBounds.SetInterval(tmrOutOfBounds.Interval() - OutOfBoundsStep);
  }
}

void frmDateSelect::hscDateScroll_Change() {
  DrawCalendar();
}

void frmDateSelect::hscDateScroll_Scroll() {
  DrawCalendar();
}

// --- The dialog --------------------------------------------------------------

void frmDateSelect::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void frmDateSelect::Form_Load() {
  Tabrill.Caption("");
  Tabrill.Resizable(false);
  // The form keeps its controls when it is unloaded: a second load finds the
  // groups there and only reads the macros again.
  const auto& groups = Tabrill.ShortCutGroups();
  if (groups->ExistsKey("Standard") == 0) {
    const auto standard = groups->Add("Standard");
    for (const char* caption : {"Today", "Last Week", "Last Month"}) {
      standard->ShortCuts()->Add(caption, imlTabrill.ExtractIcon("Calendar"));
    }
  }
  if (groups->ExistsKey("User") == 0) groups->Add("User");
  LoadDateMacros();
}

void frmDateSelect::cmdOk_Click() {
  SetTag("Ok");
  Hide();
}

void frmDateSelect::cmdCancel_Click() {
  SetTag("");
  Hide();
}

void frmDateSelect::Tabrill_SelectShortCut(std::shared_ptr<Quillon::clsShortCut>& ShortCut) {
  if (!ShortCut) return;
  const auto group = ShortCut->ShortCutGroup();
  const std::string groupName = group ? Runtime::UCase(group->Caption()) : std::string();
  const std::string key = Runtime::UCase(ShortCut->Key());
  const DateTime today = Runtime::Today();
  if (groupName == "STANDARD") {
    if (key == "TODAY") {
      SelectedFrom = SelectedTo = today;
    } else if (key == "LAST WEEK") {
      SelectedTo = today;
      SelectedFrom = DaysAfter(today, -6);
    } else if (key == "LAST MONTH") {
      SelectedTo = today;
      SelectedFrom = DaysAfter(Runtime::DateAdd("m", -1, today), 1);
    }
  } else if (groupName == "USER") {
    if (key == "NEW") {
      EditDateMacro(0);
      return;
    }
    const int16_t number = MacroNumber(*ShortCut);
    if (number < 1 || number > MacroCount) return;
    const DateMacro& macro = DateMacros[static_cast<size_t>(number - 1)];
    // Both ends are worked out before either is taken, so that a macro
    // never leaves half a range behind.
    DateTime from;
    DateTime to;
    int32_t errorCode = FormulaNoError;
    bool valid = EvaluateDateMacro(macro.DateFrom, from, errorCode);
    if (valid && macro.DateTo.empty()) {
      to = from;
    } else if (valid) {
      valid = EvaluateDateMacro(macro.DateTo, to, errorCode);
    }
    if (!valid || to.Serial < from.Serial) {
      MsgBox("An Errro Has Been Found In The Date Macro!", MsgBoxStyles::Exclamation,
             "Macro Error!");
      return;
    }
    SelectedFrom = from;
    SelectedTo = to;
  }
  PositionCalendar();
}

void frmDateSelect::Tabrill_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  (void)Shift;
  if (Button != Platform::MouseButtons::Right) return;
  MacroShortCut = Tabrill.HitTest(X, Y);
  if (!MacroShortCut) return;
  const auto group = MacroShortCut->ShortCutGroup();
  if (group && Runtime::UCase(group->Caption()) == "USER" &&
      Runtime::UCase(MacroShortCut->Key()) != "NEW") {
    PopupMenu(MacroPopup);
  }
}

// --- Date macros -------------------------------------------------------------

std::shared_ptr<Quillon::clsShortCuts> frmDateSelect::UserShortCuts() const {
  return Tabrill.ShortCutGroups()->Item(Variant("User"))->ShortCuts();
}

void frmDateSelect::ResetUserGroup() {
  const auto shortCuts = UserShortCuts();
  shortCuts->Clear();
  shortCuts->Add("New", imlTabrill.ExtractIcon("Calendar Edit"));
  DateMacros.clear();
  MacroCount = 0;
}

void frmDateSelect::LoadDateMacros() {
  ResetUserGroup();
  const std::string application = Platform::App::EXEName();
  int32_t count = StoredMacroCount(Platform::GetSetting(application, MacrosSection, "Number", "0"));
  if (count < 0) {
    // A damaged count must not hide the macros stored after it, or the next
    // save would write over them: take the sections that are there.
    count = 0;
    while (count < 32767 &&
           !Platform::GetAllSettings(application, MacroSection(count + 1)).empty()) {
      ++count;
    }
  }
  for (int32_t i = 1; i <= count && MacroCount < MaxMacros; ++i) {
    const auto values = Platform::GetAllSettings(application, MacroSection(i));
    if (values.empty()) continue;  // a section lost on the way
    DateMacro macro;
    for (const auto& [key, value] : values) {
      if (Runtime::EqualsNoCase(key, "Name")) {
        macro.Name = value;
      } else if (Runtime::EqualsNoCase(key, "Description")) {
        macro.Description = value;
      } else if (Runtime::EqualsNoCase(key, "Date From")) {
        macro.DateFrom = value;
      } else if (Runtime::EqualsNoCase(key, "Date To")) {
        macro.DateTo = value;
      }
    }
    AddDateMacroShortCut(macro, 0);
  }
}

void frmDateSelect::SaveDateMacros() {
  const std::string application = Platform::App::EXEName();
  Platform::SaveSetting(application, MacrosSection, "Number", std::to_string(MacroCount));
  for (int32_t i = 1; i <= MacroCount; ++i) {
    const DateMacro& macro = DateMacros[static_cast<size_t>(i - 1)];
    const std::string section = MacroSection(i);
    Platform::SaveSetting(application, section, "Name", macro.Name);
    Platform::SaveSetting(application, section, "Description", macro.Description);
    Platform::SaveSetting(application, section, "Date From", macro.DateFrom);
    Platform::SaveSetting(application, section, "Date To", macro.DateTo);
  }
}

void frmDateSelect::AddDateMacroShortCut(const DateMacro& Macro, int16_t Index) {
  if (Index < 1 || Index > MacroCount) {
    DateMacros.push_back(Macro);
    ++MacroCount;
    // Keyed by number, not by name: names may repeat in what is stored, and
    // a rename keeps the key.
    UserShortCuts()->Add(Macro.Name, imlTabrill.ExtractIcon("Calendar"),
                         "Macro" + std::to_string(MacroCount));
    return;
  }
  DateMacros[static_cast<size_t>(Index - 1)] = Macro;
  UserShortCuts()->Item(Variant(static_cast<int16_t>(Index + 1)))->Caption(Macro.Name);
}

void frmDateSelect::EditDateMacro(int16_t Index) {
  cmdOk.SetEnabled(false);
  cmdCancel.SetEnabled(false);
  hscDateScroll.SetEnabled(false);
  picDateRangeEdit.SetTag(std::to_string(Index));
  if (Index >= 1 && Index <= MacroCount) {
    const DateMacro& macro = DateMacros[static_cast<size_t>(Index - 1)];
    txtDateFrom.SetText(macro.DateFrom);
    txtDateTo.SetText(macro.DateTo);
    txtName.SetText(macro.Name);
    txtDescription.SetText(macro.Description);
  } else {
    txtDateFrom.SetText("");
    txtDateTo.SetText("");
    txtName.SetText("[New]");
    txtDescription.SetText("New Date Range Macro");
  }
  labDateFrom.SetCaption("");
  labDateTo.SetCaption("");
  picDateRangeEdit.SetVisible(true);
  picDateRangeEdit.ZOrder(0);
  Tabrill.Enabled(false);
  txtName.SetFocus();
}

void frmDateSelect::EnableDateControls() {
  picDateRangeEdit.SetVisible(false);
  cmdCancel.SetEnabled(true);
  cmdOk.SetEnabled(true);
  hscDateScroll.SetEnabled(true);
  Tabrill.Enabled(true);
}

bool frmDateSelect::ValidateDateMacro(const DateMacro& Macro) {
  if (Macro.Name.empty() || Macro.DateFrom.empty()) return false;
  DateTime date;
  int32_t errorCode = FormulaNoError;
  if (!EvaluateDateMacro(Macro.DateFrom, date, errorCode)) return false;
  return Macro.DateTo.empty() || EvaluateDateMacro(Macro.DateTo, date, errorCode);
}

bool frmDateSelect::TestFormula(Platform::TextBox& formula, Platform::Label& result,
                                const char* name) {
  const FormulaResult value = EvaluateFormula(formula.Text());
  if (value.ErrorCode != FormulaNoError) {
    result.SetCaption(FormulaErrorText(value.ErrorCode));
    return false;
  }
  if (value.ValueType != FormulaNumber) {
    MsgBox(std::string("'") + name + "' macro must return a numeric value!",
           MsgBoxStyles::Exclamation, "Return Value Error!");
    return true;
  }
  DateTime date;
  int32_t errorCode = FormulaNoError;
  if (!DayOf(value, date, errorCode)) {
    result.SetCaption(FormulaErrorText(errorCode));
    return false;
  }
  result.SetCaption(LongDate(date));
  return true;
}

void frmDateSelect::cmdTest_Click() {
  labDateFrom.SetCaption("");
  labDateTo.SetCaption("");
  if (txtDateFrom.Text().empty()) {
    MsgBox("You must supply a 'Date From' macro!", MsgBoxStyles::Exclamation, "Missing Macro!");
    txtDateFrom.SetFocus();
    return;
  }
  const bool fromEvaluated = TestFormula(txtDateFrom, labDateFrom, "Date From");
  if (!txtDateTo.Text().empty()) {
    TestFormula(txtDateTo, labDateTo, "Date To");
  } else if (fromEvaluated) {
    labDateTo.SetCaption(labDateFrom.Caption());
  }
}

void frmDateSelect::cmdEditOk_Click() {
  const DateMacro macro{txtName.Text(), txtDescription.Text(), txtDateFrom.Text(),
                        txtDateTo.Text()};
  int16_t index = static_cast<int16_t>(Runtime::Val(picDateRangeEdit.Tag()));
  if (index < 1 || index > MacroCount) index = 0;

  // A name is what the person knows a macro by: one of its own, and never
  // the "New" shortcut's.
  std::string refusal;
  std::string title;
  if (macro.Name.empty()) {
    refusal = "You must supply a macro name!";
    title = "Missing Name!";
  } else {
    bool inUse = Runtime::EqualsNoCase(macro.Name, "New");
    for (int16_t i = 1; i <= MacroCount && !inUse; ++i) {
      inUse = i != index &&
              Runtime::EqualsNoCase(DateMacros[static_cast<size_t>(i - 1)].Name, macro.Name);
    }
    if (inUse) {
      refusal = "The name '" + macro.Name + "' is already in use!";
      title = "Name In Use!";
    }
  }
  if (!refusal.empty()) {
    MsgBox(refusal, MsgBoxStyles::Exclamation, title);
    txtName.SetFocus();
    return;
  }

  if (!ValidateDateMacro(macro)) {
    cmdTest_Click();
    return;
  }
  AddDateMacroShortCut(macro, index);
  EnableDateControls();
  SaveDateMacros();
}

void frmDateSelect::cmdEditCancel_Click() {
  EnableDateControls();
}

void frmDateSelect::MacroEdit_Click() {
  if (MacroShortCut) EditDateMacro(MacroNumber(*MacroShortCut));
}

void frmDateSelect::MacroDelete_Click() {
  if (!MacroShortCut) return;
  const int16_t number = MacroNumber(*MacroShortCut);
  if (number < 1 || number > MacroCount) return;
  const std::string prompt =
      "Delete the date macro '" + DateMacros[static_cast<size_t>(number - 1)].Name + "'?";
  if (MsgBox(prompt, MsgBoxStyles::YesNo + MsgBoxStyles::Question, "Delete Date Macro") !=
      Platform::MsgBoxResults::Yes) {
    return;
  }
  std::vector<DateMacro> kept = DateMacros;
  kept.erase(kept.begin() + (number - 1));
  const int16_t freed = MacroCount;
  ResetUserGroup();
  for (const DateMacro& macro : kept) AddDateMacroShortCut(macro, 0);
  SaveDateMacros();
  Platform::DeleteSetting(Platform::App::EXEName(), MacroSection(freed));
  MacroShortCut.reset();
}

void frmDateSelect::txtName_GotFocus() {
  // The placeholder is selected whole, brackets and all, so that the first
  // key typed replaces it rather than leaving a stray "[" in front.
  const std::string text = txtName.Text();
  if (Runtime::EqualsNoCase(text, "[New]")) {
    txtName.SetSelStart(0);
    txtName.SetSelLength(static_cast<int>(text.size()));
  }
}

void frmDateSelect::txtName_KeyPress(int16_t& KeyAscii) {
  if (EnterPressed(KeyAscii)) txtDescription.SetFocus();
}

void frmDateSelect::txtDescription_KeyPress(int16_t& KeyAscii) {
  if (EnterPressed(KeyAscii)) txtDateFrom.SetFocus();
}

void frmDateSelect::txtDateFrom_KeyPress(int16_t& KeyAscii) {
  if (EnterPressed(KeyAscii)) txtDateTo.SetFocus();
}

void frmDateSelect::txtDateTo_KeyPress(int16_t& KeyAscii) {
  if (EnterPressed(KeyAscii)) cmdTest_Click();
}

}  // namespace Kordex
