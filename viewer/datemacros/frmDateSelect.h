#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/CommandButton.h"
#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Label.h"
#include "platform/gui/Menu.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/TextBox.h"
#include "platform/gui/Timer.h"
#include "runtime/Variant.h"
#include "shortcuts/cntTabrill.h"
#include "viewer/datemacros/CalendarStrip.h"

namespace Kordex {

// A user date macro: a name, a description and two formulas of the date-macro
// language; an empty DateTo makes a single day.
struct DateMacro {
  std::string Name;
  std::string Description;
  std::string DateFrom;
  std::string DateTo;
};

// The "Date Select" dialog: the date range of a new report, chosen on the
// calendar strip, with a built-in shortcut or with one of the user's date
// macros, which it also keeps and edits.
class frmDateSelect : public Platform::Form {
 public:
  frmDateSelect();
  ~frmDateSelect() override;

  // --- Interface -----------------------------------------------------------
  // Shows the dialog modally on the months of DateFrom..DateTo; True with the
  // chosen range written into both when the person confirmed one.
  bool SelectDate(Runtime::DateTime& DateFrom, Runtime::DateTime& DateTo);
  // A macro's formula as a date without its time; False, with the formula's
  // error code (0 for a text value), when it gives no date.
  bool EvaluateDateMacro(const std::string& Macro, Runtime::DateTime& Result, int32_t& ErrorCode);
  // 0 flat cells, 1 three-dimensional; other values are ignored.
  int32_t DateSelectStyle() const { return dateSelectStyle_; }
  void DateSelectStyle(int32_t value);

  // --- Controls ------------------------------------------------------------
  Quillon::cntTabrill Tabrill{*this, "Tabrill"};
  Platform::ImageList imlTabrill;
  Platform::PictureBox picCalander{*this, "picCalander"};
  Platform::HScrollBar hscDateScroll{*this, "hscDateScroll"};
  Platform::Label labDateSelect{*this, "labDateSelect"};
  Platform::CommandButton cmdOk{*this, "cmdOk"};
  Platform::CommandButton cmdCancel{*this, "cmdCancel"};
  Platform::Timer tmrOutOfBounds{*this, "tmrOutOfBounds"};
  Platform::PictureBox picDateRangeEdit{*this, "picDateRangeEdit"};
  Platform::Label labEditTitle{picDateRangeEdit, "labEditTitle"};
  Platform::Label labName{picDateRangeEdit, "labName"};
  Platform::TextBox txtName{picDateRangeEdit, "txtName"};
  Platform::Label labDescription{picDateRangeEdit, "labDescription"};
  Platform::TextBox txtDescription{picDateRangeEdit, "txtDescription"};
  Platform::Label labDateFromCaption{picDateRangeEdit, "labDateFromCaption"};
  Platform::TextBox txtDateFrom{picDateRangeEdit, "txtDateFrom"};
  Platform::Label labDateFrom{picDateRangeEdit, "labDateFrom"};
  Platform::Label labDateToCaption{picDateRangeEdit, "labDateToCaption"};
  Platform::TextBox txtDateTo{picDateRangeEdit, "txtDateTo"};
  Platform::Label labDateTo{picDateRangeEdit, "labDateTo"};
  Platform::CommandButton cmdTest{picDateRangeEdit, "cmdTest"};
  Platform::CommandButton cmdEditOk{picDateRangeEdit, "cmdEditOk"};
  Platform::CommandButton cmdEditCancel{picDateRangeEdit, "cmdEditCancel"};
  Platform::Menu MacroPopup{*this, "MacroPopup"};
  Platform::Menu MacroEdit{MacroPopup, "MacroEdit"};
  Platform::Menu MacroDelete{MacroPopup, "MacroDelete"};

  // --- Fields --------------------------------------------------------------
  Runtime::DateTime SelectedFrom;  // 0: nothing chosen
  Runtime::DateTime SelectedTo;
  Runtime::DateTime RangeStart;
  Runtime::DateTime RangeEnd;
  int16_t VisibleMonths = 1;
  int16_t MacroCount = 0;
  std::vector<DateMacro> DateMacros;  // macro i is DateMacros[i - 1]
  std::shared_ptr<Quillon::clsShortCut> MacroShortCut;

  // --- Calendar strip ------------------------------------------------------
  void DrawCalendar();
  void PositionCalendar();
  Runtime::DateTime DateAtPoint(double X, double Y, bool IsStart, Runtime::DateTime Default);
  // What the strip shows now.
  CalendarView View() const;

  // --- Date macros ---------------------------------------------------------
  void LoadDateMacros();
  void SaveDateMacros();
  void AddDateMacroShortCut(const DateMacro& Macro, int16_t Index);
  void EditDateMacro(int16_t Index);
  void EnableDateControls();
  bool ValidateDateMacro(const DateMacro& Macro);

  // --- Handlers ------------------------------------------------------------
  void Form_Initialize() override;
  void Form_Load() override;
  void Tabrill_SelectShortCut(std::shared_ptr<Quillon::clsShortCut>& ShortCut);
  void Tabrill_MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y);
  void hscDateScroll_Change();
  void hscDateScroll_Scroll();
  void cmdOk_Click();
  void cmdCancel_Click();
  void picCalander_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y);
  void picCalander_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y);
  void picCalander_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y);
  void tmrOutOfBounds_Timer();
  void cmdTest_Click();
  void cmdEditOk_Click();
  void cmdEditCancel_Click();
  void MacroEdit_Click();
  void MacroDelete_Click();
  void txtName_GotFocus();
  void txtName_KeyPress(int16_t& KeyAscii);
  void txtDescription_KeyPress(int16_t& KeyAscii);
  void txtDateFrom_KeyPress(int16_t& KeyAscii);
  void txtDateTo_KeyPress(int16_t& KeyAscii);

 private:
  void LayOut();
  void Connect();
  // The "User" group of the bar.
  std::shared_ptr<Quillon::clsShortCuts> UserShortCuts() const;
  // Empties the "User" group but for "New", and forgets the macros.
  void ResetUserGroup();
  // Shows a formula's value (or what is wrong with it) in a result label;
  // false when it has no numeric value.
  bool TestFormula(Platform::TextBox& formula, Platform::Label& result, const char* name);

  int32_t dateSelectStyle_ = 0;
};

}  // namespace Kordex
