#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "constraints/TavroConstraintCol.h"
#include "platform/gui/CommonDialog.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "shortcuts/cntTabrill.h"
#include "viewer/data/ReportHost.h"
#include "viewer/shell/clsPreferences.h"

namespace Kordex {

class ChartForm;
class LineStatusForm;
class TableForm;

// The program's main window: it starts everything, owns the preferences and
// the constraint-set collection, carries the menus and toolbars, polls the
// line-control flag and refreshes the open reports on its update timer.
class MainForm : public Platform::MDIForm {
 public:
  MainForm();
  ~MainForm() override;

  // The main window of the program, nullptr before one is made.
  static MainForm* Current();

  std::shared_ptr<Morvelt::TavroConstraintCol> objConstraintsCol;
  std::shared_ptr<clsPreferences> objPreferences;

  Quillon::cntTabrill ReportBar{*this, "ReportBar"};
  const std::shared_ptr<Platform::ToolBarControl> ToolBars =
      std::make_shared<Platform::ToolBarControl>();
  Platform::CommonDialog comDialog;
  Platform::Timer UpdateTimer{*this, "UpdateTimer"};
  Platform::ImageList imlChartImages;
  Platform::ImageList MenuImages;
  Platform::ImageList ChartImages;

  void MDIForm_Initialize();
  void MDIForm_Load();
  void MDIForm_QueryUnload(int16_t& Cancel, int16_t UnloadMode);
  void UpdateTimer_Timer();

  void SetToolBars(bool Activate);
  // True when the "Data Directory" preference names a folder that is not
  // there. A Consequence that is not empty is told with it in a message: once
  // while the folder stays away (again after it was seen back), or every time
  // when Always.
  bool ReportMissingDataDirectory(const std::string& Consequence, bool Always = false);
  // True when a new chart has a line to show: the data directory is there and
  // holds the chosen production line. Otherwise the person is told why no
  // chart opens.
  bool ChosenLineAvailable();
  // The "Data Directory" preference as it stands.
  std::string DataDirectoryText() const;
  void InitialiseToolbars();
  // Every command of the toolbar and the menus (MainFormToolCommands.cpp).
  void ToolBars_ToolClick(const std::shared_ptr<Platform::Tool>& Tool);
  // The report shortcuts and what they start (MainFormReports.cpp).
  using ChartBuilderFn = void (*)(KordexModule::ReportWindow&, bool);
  void CreateTabrill();
  void ReportBar_SelectShortCut(const std::shared_ptr<Quillon::clsShortCut>& ShortCut);
  // Builds the chart of a constraint set (a drill-down, or a refresh of an open
  // chart when CreateNewForm is False).
  virtual void objConstraintsCol_MenuSelection(
      std::shared_ptr<Morvelt::TavroSPCConstraints>& NewTavroSPCConstraints, bool& CreateNewForm);
  void objPreferences_AfterChange(std::shared_ptr<clsPreference>& Preference,
                                  Runtime::Variant OldValue);
  void objPreferences_BeforeChange(std::shared_ptr<clsPreference>& Preference,
                                   Runtime::Variant NewValue, bool& Cancel);

  // Child windows, the report list and saving (MainFormChildWindows.cpp).
  std::shared_ptr<ChartForm> CreateNewChartForm();
  std::shared_ptr<LineStatusForm> CreateNewStatusForm();
  std::shared_ptr<TableForm> CreateNewTableForm(ChartForm& NewChartForm);
  void AddToReportList(Platform::Form& NewReportForm);
  void RemoveFromReportList(Platform::Form& OldReportForm);
  void SaveChart(ChartForm& Chart);
  void SaveTable(TableForm& Table);
  // True when objConstraintsCol holds a set under the tag.
  bool HasConstraintSet(const std::string& Tag);
  // The Reports menu: its design entries, "ReportSeparator", then one entry per
  // open child window.
  std::shared_ptr<Platform::ToolList> ReportList() const;

  // Seconds since the last automatic refresh.
  int32_t TickCounter() const { return tickCounter_; }

 protected:
  void Form_Initialize() override { MDIForm_Initialize(); }
  void Form_Load() override { MDIForm_Load(); }
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
    MDIForm_QueryUnload(Cancel, UnloadMode);
  }

 private:
  // "Print": the active chart in landscape, or the active table's text in
  // portrait, on the printer chosen in the printer dialog.
  void PrintActiveChild();
  void HandleLineControlFlag();
  void RefreshOnTimer();
  // Runs the status update of every line-status window.
  void UpdateLineStatusWindows();
  void ConnectCollection();
  // The first line of the message that the data directory holds no line.
  std::string NoProductionLinesText() const;
  void TellDataDirectoryProblem(const std::string& Prompt);

  // A new chart window built by the report's set and chart builders and
  // listed; a build that fails closes the window (and so drops its set)
  // before the error goes on to be reported.
  std::shared_ptr<ChartForm> OpenReport(
      const std::function<void(KordexModule::ReportWindow&)>& CreateSet, ChartBuilderFn DrawChart);
  void OpenCompWastageReport(bool Percent);
  void OpenBoardCountReport(bool Accumulated);
  // The chart window whose graph control holds the graph; nullptr for none.
  ChartForm* ChartOfGraph(const std::shared_ptr<Dravex::Graph>& Graph) const;

  int32_t tickCounter_ = 0;
  // The person was told the data directory is missing since it was last there.
  bool missingTold_ = false;
  // A close asked for while report work ran; done once it has ended.
  bool closeWaiting_ = false;
  Platform::ScopedConnection menuSelection_;
  Platform::ScopedConnection preferencesAfterChange_;
  Platform::ScopedConnection preferencesBeforeChange_;
  // Where the save dialog opens: the folder last saved to in this run; ""
  // before the first save (the home folder).
  std::string saveFolder_;
};

// The kind of a child window from its tag: "CHART", "TABLE", "STATS" or
// anything else (the first five characters, upper-cased).
std::string ChildKind(const std::string& Tag);

}  // namespace Kordex
