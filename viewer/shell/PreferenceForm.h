#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/CommandButton.h"
#include "platform/gui/Form.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/TabDialog.h"
#include "platform/gui/TextBox.h"
#include "viewer/data/ProductionLineViews.h"

namespace Kordex {

class clsPreferences;

// The modal "Preferences" dialog: the six application preferences in their
// bound boxes, the line-status template and, per production line, the count
// machine, hours per day and panels per hour of each placement file, which Ok
// writes into the line's "LineInfo.Dat". It is loaded at start-up, hidden
// between uses, and unloaded only when the program ends.
class PreferenceForm : public Platform::Form {
 public:
  PreferenceForm();
  ~PreferenceForm() override;

  // The program's dialog, made and loaded hidden on first use.
  static PreferenceForm& Dialog();

  // The data directory as last accepted in the dialog.
  std::string strDataDirectory;

  // Shows the selected line of the working table in the line fields.
  void lstProductionLines_Click();
  // The five line controls, for the production-line table's views.
  const LineListControls& LineControls() const { return lineControls_; }
  // A bound box or button by its name.
  Platform::TextBox* EditBox(const std::string& name);
  Platform::CommandButton* Button(const std::string& name);

  void Form_Initialize() override;
  // The close box hides the dialog as Cancel does; the program's end unloads it.
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

  Platform::TabDialog Tab{
      *this, "Tab", {"General", "Pareto Charts", "Run Time Charts", "Production Lines"}};
  // General
  Platform::Label labDataDirectory{Tab.Page(0), "labDataDirectory"};
  Platform::TextBox DataDirectory{Tab.Page(0), "DataDirectory"};
  Platform::CommandButton FindDataDirectory{Tab.Page(0), "FindDataDirectory"};
  Platform::Label labUpdateInterval{Tab.Page(0), "labUpdateInterval"};
  Platform::TextBox UpdateInterval{Tab.Page(0), "UpdateInterval"};
  Platform::Label labMinutes{Tab.Page(0), "labMinutes"};
  Platform::Label labLineStatus{Tab.Page(0), "labLineStatus"};
  Platform::TextBox LineStatus{Tab.Page(0), "LineStatus"};
  // Pareto Charts
  Platform::Label labParetoDisplayWidth{Tab.Page(1), "labParetoDisplayWidth"};
  Platform::TextBox ParetoDisplayWidth{Tab.Page(1), "ParetoDisplayWidth"};
  Platform::Label labParetoMaxEntries{Tab.Page(1), "labParetoMaxEntries"};
  Platform::TextBox ParetoMaxEntries{Tab.Page(1), "ParetoMaxEntries"};
  // Run Time Charts
  Platform::Label labRunTimeDisplayWidth{Tab.Page(2), "labRunTimeDisplayWidth"};
  Platform::TextBox RunTimeDisplayWidth{Tab.Page(2), "RunTimeDisplayWidth"};
  Platform::Label labRunTimeHistory{Tab.Page(2), "labRunTimeHistory"};
  Platform::TextBox RunTimeHistory{Tab.Page(2), "RunTimeHistory"};
  // Production Lines
  Platform::Label labProductionLines{Tab.Page(3), "labProductionLines"};
  Platform::ListBox lstProductionLines{Tab.Page(3), "lstProductionLines"};
  Platform::Label labCountMachine{Tab.Page(3), "labCountMachine"};
  Platform::TextBox txtCountMachine{Tab.Page(3), "txtCountMachine"};
  Platform::Label labHoursPerDay{Tab.Page(3), "labHoursPerDay"};
  Platform::TextBox txtHoursPerDay{Tab.Page(3), "txtHoursPerDay"};
  Platform::Label labPlacementFiles{Tab.Page(3), "labPlacementFiles"};
  Platform::ListBox lstPlacementFiles{Tab.Page(3), "lstPlacementFiles"};
  Platform::Label labPanelPerHour{Tab.Page(3), "labPanelPerHour"};
  Platform::TextBox txtPanelPerHour{Tab.Page(3), "txtPanelPerHour"};

  Platform::CommandButton OkButton{*this, "OkButton"};
  Platform::CommandButton CancelButton{*this, "CancelButton"};

 private:
  void OkButton_Click();
  void CancelButton_Click();
  void DataDirectory_LostFocus();
  void UpdateInterval_Change();
  void lstPlacementFiles_Click();
  void txtCountMachine_Change();
  void txtHoursPerDay_Change();
  void txtPanelPerHour_Change();
  // The one key filter of the three line fields.
  void LineField_KeyPress(Platform::TextBox& box, int16_t& KeyAscii);
  // Record N of the working table for the selected line, or nullptr.
  ProductionLineInfo* SelectedLine();
  // Writes into the line files of the committed table the values typed into,
  // and only those.
  void WriteLineFiles();
  void Layout();

  LineListControls lineControls_;
  // True while the dialog itself fills the line fields: only what the person
  // types into them is an edit.
  bool filling_ = false;
};

namespace KordexModule {

// Opens the preferences dialog on the committed values and a fresh working
// copy of the line table; returns once it is hidden.
void ShowPreferenceForm();

}  // namespace KordexModule

}  // namespace Kordex
