#include "viewer/shell/KordexModule.h"

#include <exception>

#include "common/TavroRegistry.h"
#include "platform/gui/App.h"
#include "platform/gui/Application.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiConstants.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Strings.h"
#include "viewer/datemacros/frmDateSelect.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/PreferenceForm.h"

namespace Kordex {

DateRangePrompt::~DateRangePrompt() = default;

bool DateSelectPrompt::SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) {
  const auto dialog = std::make_shared<frmDateSelect>();
  return dialog->SelectDate(From, To);
}

namespace {

std::shared_ptr<DateRangePrompt>& PromptSlot() {
  static std::shared_ptr<DateRangePrompt> prompt = std::make_shared<DateSelectPrompt>();
  return prompt;
}

int reportWorkDepth = 0;
std::vector<std::function<void()>> afterReportWork;

}  // namespace

DateRangePrompt& CurrentDateRangePrompt() {
  return *PromptSlot();
}

void SetDateRangePrompt(std::shared_ptr<DateRangePrompt> Prompt) {
  PromptSlot() = Prompt ? std::move(Prompt) : std::make_shared<DateSelectPrompt>();
}

std::vector<PreferenceRegistration> ApplicationPreferences() {
  using Runtime::Variant;
  const Variant none;
  return {
      {"Pareto Display Width", PreferenceTypes::WholeNumber, Variant(int16_t{10}),
       Variant(int16_t{3}), Variant(int16_t{20}), 0, "ParetoDisplayWidth", ""},
      {"Pareto Maximum Entries", PreferenceTypes::WholeNumber, Variant(int16_t{10}),
       Variant(int16_t{0}), none, 0, "ParetoMaxEntries", ""},
      {"RunTime Display Width", PreferenceTypes::WholeNumber, Variant(int16_t{31}),
       Variant(int16_t{7}), Variant(int16_t{62}), 0, "RunTimeDisplayWidth", ""},
      {"RunTime History", PreferenceTypes::WholeNumber, Variant(int16_t{100}), Variant(int16_t{31}),
       Variant(int16_t{730}), 0, "RunTimeHistory", ""},
      {"Data Directory", PreferenceTypes::FolderPath, Variant(Platform::App::Path() + "/Data/"),
       none, none, 1, "DataDirectory", "FindDataDirectory"},
      {"Update Interval", PreferenceTypes::WholeNumber, Variant(int16_t{5}), Variant(int16_t{1}),
       Variant(int16_t{30}), 0, "UpdateInterval", ""},
  };
}

std::string ShellLineHost::DataDirectory() {
  MainForm* main = MainForm::Current();
  if (main == nullptr) return {};
  std::string folder = main->DataDirectoryText();
  // The folder's entries are named by appending to it.
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string ShellLineHost::ProgramName() {
  return Platform::App::EXEName();
}

void ShellLineHost::ShowLines(const ProductionLineList& Lines, int16_t RememberedLine) {
  MainForm* main = MainForm::Current();
  ShowProductionLines(Lines, RememberedLine, Controls ? Controls() : nullptr,
                      main ? main->ToolBars.get() : nullptr);
}

namespace KordexModule {

int32_t ChartCount = 0;
int32_t TableCount = 0;
int32_t StatusFormCount = 0;
int32_t ChildFormSerial = 0;
Runtime::DateTime ReportDateFrom;
Runtime::DateTime ReportDateTo;
Runtime::DateTime TodayDate;
std::string LineStatusTemplate;

std::shared_ptr<ShellLineHost> LineTableHost() {
  static const std::shared_ptr<ShellLineHost> host = std::make_shared<ShellLineHost>();
  return host;
}

void InitialisePreferences() {
  MainForm& main = ParentMainForm();
  main.objPreferences = std::make_shared<clsPreferences>();
  // Binding the boxes makes the preferences dialog, hidden.
  PreferenceForm& dialog = PreferenceForm::Dialog();
  for (const PreferenceRegistration& registration : ApplicationPreferences()) {
    auto item = main.objPreferences->Add(registration.Name, registration.ValueType);
    item->SetTextBox(dialog.EditBox(registration.EditBox));
    item->SetFileType(registration.FileType);
    item->SetDefaultValue(registration.Default);
    item->SetMinValue(registration.Min);
    item->SetMaxValue(registration.Max);
    if (!registration.SearchButton.empty())
      item->SetSearchButton(dialog.Button(registration.SearchButton));
  }
  LineTableHost()->Controls = [] { return &PreferenceForm::Dialog().LineControls(); };
  main.objPreferences->LoadFromRegistry();
  LineStatusTemplate = Runtime::CStr(Common::GetRegSetting(
      Platform::App::EXEName(), "General", "Line Status", Runtime::Variant("Panel Count\r\n<CP>")));
  main.objConstraintsCol = std::make_shared<Morvelt::TavroConstraintCol>();
  ChartCount = 0;
  TableCount = 0;
  ChildFormSerial = 0;
  StatusFormCount = 0;
  TodayDate = Runtime::Today();
  SetLineHost(LineTableHost());
  LoadProductionLines();
}

void DefaultReportDateRange(Runtime::DateTime& From, Runtime::DateTime& To) {
  const int16_t history = Runtime::CInt(
      ParentMainForm().objPreferences->Item(Runtime::Variant("RunTime History"))->Value());
  const Runtime::DateTime now = Runtime::Now();
  From = Runtime::DateAdd("d", -history, now);
  To = now;
}

bool SelectDateRange() {
  Runtime::DateTime from, to;
  DefaultReportDateRange(from, to);
  const bool chosen = CurrentDateRangePrompt().SelectDate(from, to);
  ReportDateFrom = from;
  ReportDateTo = to;
  if (chosen) {
    // The hidden dialog stays on the screen, over a main window not yet
    // repainted, until the window system has a turn; listing the files of a
    // long range gives it none for a while. Held as report work, the turn
    // starts no refresh of its own.
    ReportWork work;
    Platform::RefreshScreen();
  }
  return chosen;
}

void SetMainCaption() {
  ParentMainForm().SetCaption("Tavro Kordex Viewer");
}

void RefreshAllReports() {
  // Asked for while a chart is being built (its load gives the person time
  // to ask): one refresh follows once the work is over.
  static bool waiting = false;
  if (ReportWork::InProgress()) {
    if (!waiting) {
      waiting = true;
      ReportWork::WhenDone([] {
        waiting = false;
        RefreshAllReports();
      });
    }
    return;
  }
  MainForm& main = ParentMainForm();
  // A data directory out of reach (a share gone for a while) would empty
  // every chart as if nothing had been produced: the charts keep what they
  // show, and the person is told once until the folder is back. With no
  // chart open there is nothing to keep and nothing to tell.
  const bool chartsOpen = main.objConstraintsCol && main.objConstraintsCol->Count() > 0;
  if (main.ReportMissingDataDirectory(
          chartsOpen ? "The open charts keep what they show until it can be reached again." : "") &&
      chartsOpen)
    return;
  ReportWork work;
  main.SetMousePointer(Platform::MousePointers::Hourglass);
  struct Pointer {
    MainForm& form;
    ~Pointer() { form.SetMousePointer(Platform::MousePointers::Default); }
  } pointer{main};
  if (!main.objConstraintsCol) return;
  // A chart that fails to rebuild holds up none of the others: every chart
  // has its turn, then the first failure goes on to be reported.
  std::exception_ptr failed;
  const int16_t count = main.objConstraintsCol->Count();
  for (int16_t i = 1; i <= count; ++i) {
    try {
      auto set = main.objConstraintsCol->Item(Runtime::Variant(i));
      bool createNewForm = false;
      main.objConstraintsCol_MenuSelection(set, createNewForm);
    } catch (...) {
      if (!failed) failed = std::current_exception();
    }
  }
  if (failed) std::rethrow_exception(failed);
}

ReportWork::ReportWork() {
  ++reportWorkDepth;
}
ReportWork::~ReportWork() {
  if (--reportWorkDepth > 0) return;
  // What waited for the work (a window closed meanwhile) runs now; each may
  // start report work of its own.
  std::vector<std::function<void()>> waiting;
  waiting.swap(afterReportWork);
  for (auto& action : waiting) Platform::EnterEventHandler(action);
}
bool ReportWork::InProgress() {
  return reportWorkDepth > 0;
}
void ReportWork::WhenDone(std::function<void()> Action) {
  if (InProgress()) {
    afterReportWork.push_back(std::move(Action));
  } else {
    Platform::EnterEventHandler(Action);
  }
}

}  // namespace KordexModule

}  // namespace Kordex
