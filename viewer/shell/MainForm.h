#pragma once

#include <cstdint>
#include <memory>

#include "constraints/TavroConstraintCol.h"
#include "platform/gui/CommonDialog.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "viewer/shell/clsPreferences.h"

namespace Kordex {

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

  Platform::PictureBox ReportBar{*this, "ReportBar"};
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
  void InitialiseToolbars();
  void ToolBars_ToolClick(const std::shared_ptr<Platform::Tool>& Tool);
  void CreateTabrill();
  // Builds the chart of a constraint set (a drill-down, or a refresh of an open
  // chart when CreateNewForm is False).
  virtual void objConstraintsCol_MenuSelection(
      std::shared_ptr<Morvelt::TavroSPCConstraints>& NewTavroSPCConstraints, bool& CreateNewForm);

  // Seconds since the last automatic refresh.
  int32_t TickCounter() const { return tickCounter_; }

 protected:
  void Form_Initialize() override { MDIForm_Initialize(); }
  void Form_Load() override { MDIForm_Load(); }
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
    MDIForm_QueryUnload(Cancel, UnloadMode);
  }

 private:
  void HandleLineControlFlag();
  void RefreshOnTimer();
  // Runs the status update of every line-status window.
  void UpdateLineStatusWindows();
  void ConnectCollection();

  int32_t tickCounter_ = 0;
  // A close asked for while report work ran; done once it has ended.
  bool closeWaiting_ = false;
  Platform::ScopedConnection menuSelection_;
};

// The kind of a child window from its tag: "CHART", "TABLE", "STATS" or
// anything else (the first five characters, upper-cased).
std::string ChildKind(const std::string& Tag);

}  // namespace Kordex
