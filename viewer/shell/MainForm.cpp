#include "viewer/shell/MainForm.h"

#include <exception>

#include "common/Logging.h"
#include "common/WindowsXPButtons.h"
#include "platform/Files.h"
#include "platform/Problems.h"
#include "platform/SettingsStore.h"
#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/Forms.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolBarHosting.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"
#include "viewer/data/PRDModule.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/LineStatusForm.h"
#include "viewer/shell/LoadFormWindow.h"
#include "viewer/shell/MainToolBar.h"
#include "viewer/shell/ShellPictures.h"
#include "viewer/shell/ShellReportHost.h"

namespace Kordex {

namespace {

MainForm* current = nullptr;

// Switches the update timer off for a piece of work and on again however the
// work ends.
class TimerPause {
 public:
  explicit TimerPause(Platform::Timer& timer) : timer_(timer) { timer_.SetEnabled(false); }
  ~TimerPause() { timer_.SetEnabled(true); }
  TimerPause(const TimerPause&) = delete;
  TimerPause& operator=(const TimerPause&) = delete;

 private:
  Platform::Timer& timer_;
};

// The line-control flag: a number (true when not 0) or the words True and
// False. Anything else counts as not set and is reported once.
bool FlagIsSet(const std::string& text) {
  double number = 0;
  if (Runtime::ParseNumber(text, number)) return number != 0;
  const std::string word = Runtime::UCase(Runtime::Trim(text));
  if (word == "TRUE") return true;
  if (word == "FALSE") return false;
  Platform::ReportProblem("The line-control flag (Vantrel, MachineControl, PRDCount) reads \"" +
                          text +
                          "\", which is neither a number nor True or False; it counts as "
                          "not set.");
  return false;
}

bool ModalFormShown() {
  for (Platform::Form* form : Platform::Forms::All())
    if (form->IsModal()) return true;
  return false;
}

}  // namespace

std::string ChildKind(const std::string& Tag) {
  return Runtime::UCase(Runtime::Left(Tag + "     ", 5));
}

MainForm::MainForm() : Platform::MDIForm("MainForm") {
  current = this;
  UpdateTimer.SetEnabled(false);
  UpdateTimer.SetInterval(1000);
  UpdateTimer.Tick.Connect([this] { UpdateTimer_Timer(); });
  // Wide enough for the longest shortcut caption, "Components Per Hour".
  ReportBar.SetWidth(1950);
  ReportBar.SelectShortCut.Connect([this](std::shared_ptr<Quillon::clsShortCut>& shortCut) {
    ReportBar_SelectShortCut(shortCut);
  });
  SetIcon(ShellPicture("Viewer"));
  for (const char* key : {"Cog", "Clock", "Trash", "IC", "Counter"})
    imlChartImages.Add(ShellPicture(key), key);
  Platform::ApplyDesign(*ToolBars, MainToolBarDesign());
  ToolBars->ToolClick.Connect(
      [this](const std::shared_ptr<Platform::Tool>& tool) { ToolBars_ToolClick(tool); });
  Platform::HostToolBars(*ToolBars, *this);
  SetClientSize(15000, 10500);
}

MainForm::~MainForm() {
  if (current == this) current = nullptr;
}

MainForm* MainForm::Current() {
  return current;
}

void MainForm::MDIForm_Initialize() {
  Common::InitialiseCommonControls();
  // Loads show their progress in the "Loading Data" window from now on.
  SetLoadHost(std::make_shared<ShellLoadHost>());
  KordexModule::SetReportHost(std::make_shared<ShellReportHost>());
}

void MainForm::MDIForm_Load() {
  Show();
  SetToolBars(false);
  // A data directory that cannot be read is reported; the window opens all the same.
  bool started = false;
  Platform::EnterEventHandler([&started] {
    KordexModule::InitialisePreferences();
    started = true;
  });
  ConnectCollection();
  KordexModule::SetMainCaption();
  InitialiseToolbars();
  CreateTabrill();
  // Without its folder, or without a line in it, there is nothing to chart:
  // say so at the start.
  if (started &&
      !ReportMissingDataDirectory("Charts can be opened once it can be reached or another one "
                                  "is chosen under Edit, Preferences.") &&
      KordexModule::ProductionLines.Count() == 0)
    TellDataDirectoryProblem(NoProductionLinesText() +
                             "Charts can be opened once it holds line folders (Line1, Line2 ...) "
                             "or another one is chosen under Edit, Preferences.");
  tickCounter_ = 0;
  UpdateTimer.SetEnabled(true);
}

bool MainForm::ReportMissingDataDirectory(const std::string& Consequence, bool Always) {
  if (!objPreferences) return false;
  const std::string folder = DataDirectoryText();
  if (folder.empty() || Platform::IsFolder(folder)) {
    missingTold_ = false;
    return false;
  }
  if (!Consequence.empty() && (Always || !missingTold_)) {
    missingTold_ = true;
    TellDataDirectoryProblem("The data directory '" + folder + "' cannot be found.\r\n" +
                             Consequence);
  }
  return true;
}

std::string MainForm::DataDirectoryText() const {
  if (!objPreferences) return {};
  return Runtime::CStr(objPreferences->Item(Runtime::Variant("Data Directory"))->Value());
}

std::string MainForm::NoProductionLinesText() const {
  return "No production lines were found in the data directory '" + DataDirectoryText() + "'.\r\n";
}

void MainForm::TellDataDirectoryProblem(const std::string& Prompt) {
  Platform::MsgBox(Prompt, Platform::MsgBoxStyles::Exclamation, "Data Directory Error!");
}

void MainForm::ConnectCollection() {
  if (!objConstraintsCol) return;
  menuSelection_ = objConstraintsCol->MenuSelection.Connect(
      [this](std::shared_ptr<Morvelt::TavroSPCConstraints>& set, bool& createNewForm) {
        objConstraintsCol_MenuSelection(set, createNewForm);
      });
  if (!objPreferences) return;
  preferencesAfterChange_ = objPreferences->AfterChange.Connect(
      [this](std::shared_ptr<clsPreference>& preference, Runtime::Variant oldValue) {
        objPreferences_AfterChange(preference, std::move(oldValue));
      });
  preferencesBeforeChange_ = objPreferences->BeforeChange.Connect(
      [this](std::shared_ptr<clsPreference>& preference, Runtime::Variant newValue, bool& cancel) {
        objPreferences_BeforeChange(preference, std::move(newValue), cancel);
      });
}

void MainForm::MDIForm_QueryUnload(int16_t& Cancel, int16_t) {
  // Report work gives the event loop time: the close waits until it is done.
  if (KordexModule::ReportWork::InProgress()) {
    closeWaiting_ = true;
    Cancel = 1;
    return;
  }
  for (Platform::Form* form : Platform::Forms::All())
    if (form != this) form->UnloadFor(Platform::UnloadModes::FormMDIForm);
  Common::WriteLog("TavroKordex", "Terminate", 1);
  menuSelection_.Disconnect();
  objConstraintsCol.reset();
}

void MainForm::UpdateTimer_Timer() {
  ++tickCounter_;
  if (closeWaiting_ && !KordexModule::ReportWork::InProgress()) {
    closeWaiting_ = false;
    Unload();
    return;
  }
  if (tickCounter_ % 10 == 0) HandleLineControlFlag();
  int32_t interval = 5;
  if (objPreferences)
    interval = Runtime::CInt(objPreferences->Item(Runtime::Variant("Update Interval"))->Value());
  if (interval < 1) interval = 1;
  if (tickCounter_ > interval * 60) RefreshOnTimer();
}

void MainForm::HandleLineControlFlag() {
  if (!FlagIsSet(Platform::GetSetting("Vantrel", "MachineControl", "PRDCount", "0"))) return;
  {
    TimerPause pause(UpdateTimer);
    UpdateLineStatusWindows();
  }
  Platform::SaveSetting("Vantrel", "MachineControl", "PRDCount", "0");
}

void MainForm::RefreshOnTimer() {
  // A refresh due during report work or while a dialog is up waits for a
  // later tick.
  if (KordexModule::ReportWork::InProgress() || ModalFormShown()) return;
  TimerPause pause(UpdateTimer);
  struct Restart {
    int32_t& counter;
    ~Restart() { counter = 0; }
  } restart{tickCounter_};
  KordexModule::RefreshAllReports();
  UpdateLineStatusWindows();
}

void MainForm::UpdateLineStatusWindows() {
  for (Platform::Form* form : Platform::Forms::All()) {
    if (ChildKind(form->Tag()) != "STATS") continue;
    if (auto* status = dynamic_cast<LineStatusForm*>(form))
      UpdateLineStatus(*status, KordexModule::LineTableHost()->DataDirectory());
  }
}

void MainForm::SetToolBars(bool Activate) {
  Platform::Form* active = ActiveForm();
  const std::string kind = active ? ChildKind(active->Tag()) : "";
  const int32_t open =
      KordexModule::ChartCount + KordexModule::TableCount + KordexModule::StatusFormCount;
  const auto& tools = *ToolBars->Tools();
  auto enable = [&tools](const char* id, bool on) {
    tools.Item(Runtime::Variant(std::string(id)))->SetEnabled(on);
  };
  for (const char* id : {"Close", "Print", "Save", "MinimiseAll", "MaximiseAll", "ArrangeIcons",
                         "Cascade", "TileHorizontal", "TileVertical", "Copy"})
    enable(id, open >= 1);
  enable("ManualUpdate", KordexModule::ChartCount + KordexModule::StatusFormCount >= 1);
  const bool charting = Activate ? kind == "CHART" : KordexModule::ChartCount >= 1;
  enable("CreateTable", charting);
  enable("Graphs", charting);
  enable("Cut", kind == "TABLE");
  enable("Paste", kind == "TABLE");
}

void MainForm::InitialiseToolbars() {
  const auto reports = ToolBars->Bands()
                           ->Item(Runtime::Variant(std::string("MenuBar")))
                           ->Tools()
                           ->Item(Runtime::Variant(std::string("Reports")));
  auto separator = reports->Menu()->Tools()->Add("ReportSeparator");
  separator->SetType(Platform::ToolTypes::Separator);
}

}  // namespace Kordex
