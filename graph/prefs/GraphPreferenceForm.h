#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/ControlArray.h"
#include "platform/gui/Form.h"
#include "platform/gui/Label.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/TabDialog.h"
#include "platform/gui/TextBox.h"

namespace Dravex {

// The "Graph Preferences" dialog: six pages (mean, standard deviations,
// specification limits, trend, series display, alarm), each with one row of
// controls per series. Row 0 is designed; AddControl loads the elements of the
// further rows and RemoveControls unloads them again. The form holds no series
// data: the graph fills the rows and reads them back (GraphPreferenceDialog);
// the form keeps each row consistent while the person edits it.
//
// Row r is element r of every array, except StdDevOn, whose elements 6r to
// 6r + 5 are the row's lines -3, -2, -1 (bottom, right to left) and +1, +2,
// +3 (top, left to right).
class GraphPreferenceForm : public Platform::Form {
 public:
  GraphPreferenceForm();
  ~GraphPreferenceForm() override;

  // Makes row index - 1 exist on every page and sizes the dialog for index
  // rows. The row pitch is 16-bit: a row offset beyond 32767 twips raises
  // overflow (6) before anything is loaded.
  void AddControl(int16_t index);
  // Unloads every element that a row beyond the first added.
  void RemoveControls();

  // Bring a row's enabled states in line with its values; also the handlers of
  // the person's clicks.
  void MeanOn_Click(int index);
  void StdDevOn_Click(int index);
  void LSLOn_Click(int index);
  void USLOn_Click(int index);
  void Trend_Click(int index);
  void SeriesOn_Click(int index);

  void Form_Load() override;
  // The close box hides the dialog as Cancel would; other unloads go ahead.
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

  Platform::TabDialog PreferenceTab{
      *this, "PreferenceTab", {"Mean", "Std. Dev.", "Spec Limits", "Trends", "Series", "Alarms"}};
  Platform::CheckBox SavePreference{*this, "SavePreference"};
  Platform::CommandButton OkButton{*this, "OkButton"};
  Platform::CommandButton CancelButton{*this, "CancelButton"};
  Platform::CommandButton ApplyButton{*this, "ApplyButton"};

  // Mean
  Platform::ControlArray<Platform::Label> MeanSeriesName{PreferenceTab.Page(0), "MeanSeriesName"};
  Platform::ControlArray<Platform::TextBox> MeanDisplay{PreferenceTab.Page(0), "MeanDisplay"};
  Platform::ControlArray<Platform::CheckBox> MeanBar{PreferenceTab.Page(0), "MeanBar"};
  Platform::ControlArray<Platform::CheckBox> MeanOn{PreferenceTab.Page(0), "MeanOn"};
  Platform::ControlArray<Platform::PictureBox> MeanExample{PreferenceTab.Page(0), "MeanExample"};
  // Std. Dev.
  Platform::ControlArray<Platform::Label> StdDevSeriesName{PreferenceTab.Page(1),
                                                           "StdDevSeriesName"};
  Platform::ControlArray<Platform::TextBox> StdDevDisplay{PreferenceTab.Page(1), "StdDevDisplay"};
  Platform::ControlArray<Platform::CheckBox> StdDevOn{PreferenceTab.Page(1), "StdDevOn"};
  Platform::ControlArray<Platform::Label> PlusStdDev{PreferenceTab.Page(1), "PlusStdDev"};
  Platform::ControlArray<Platform::Label> MinusStdDev{PreferenceTab.Page(1), "MinusStdDev"};
  Platform::ControlArray<Platform::PictureBox> StdDevExample{PreferenceTab.Page(1),
                                                             "StdDevExample"};
  // Spec Limits
  Platform::ControlArray<Platform::Label> SLSeriesName{PreferenceTab.Page(2), "SLSeriesName"};
  Platform::ControlArray<Platform::Label> USL{PreferenceTab.Page(2), "USL"};
  Platform::ControlArray<Platform::Label> LSL{PreferenceTab.Page(2), "LSL"};
  Platform::ControlArray<Platform::TextBox> USLDisplay{PreferenceTab.Page(2), "USLDisplay"};
  Platform::ControlArray<Platform::TextBox> LSLDisplay{PreferenceTab.Page(2), "LSLDisplay"};
  Platform::ControlArray<Platform::TextBox> USLValue{PreferenceTab.Page(2), "USLValue"};
  Platform::ControlArray<Platform::TextBox> LSLValue{PreferenceTab.Page(2), "LSLValue"};
  Platform::ControlArray<Platform::CheckBox> USLOn{PreferenceTab.Page(2), "USLOn"};
  Platform::ControlArray<Platform::CheckBox> LSLOn{PreferenceTab.Page(2), "LSLOn"};
  Platform::ControlArray<Platform::PictureBox> USLExample{PreferenceTab.Page(2), "USLExample"};
  Platform::ControlArray<Platform::PictureBox> LSLExample{PreferenceTab.Page(2), "LSLExample"};
  // Trends
  Platform::ControlArray<Platform::Label> TrendSeriesName{PreferenceTab.Page(3), "TrendSeriesName"};
  Platform::ControlArray<Platform::TextBox> TrendDisplay{PreferenceTab.Page(3), "TrendDisplay"};
  Platform::ControlArray<Platform::ComboBox> Trend{PreferenceTab.Page(3), "Trend"};
  Platform::ControlArray<Platform::PictureBox> TrendExample{PreferenceTab.Page(3), "TrendExample"};
  // Series
  Platform::ControlArray<Platform::Label> SeriesName{PreferenceTab.Page(4), "SeriesName"};
  Platform::ControlArray<Platform::CheckBox> SeriesOn{PreferenceTab.Page(4), "SeriesOn"};
  Platform::ControlArray<Platform::CheckBox> SeriesValueAbove{PreferenceTab.Page(4),
                                                              "SeriesValueAbove"};
  Platform::ControlArray<Platform::CheckBox> SeriesValueBelow{PreferenceTab.Page(4),
                                                              "SeriesValueBelow"};
  Platform::ControlArray<Platform::CheckBox> SeriesValueFloat{PreferenceTab.Page(4),
                                                              "SeriesValueFloat"};
  Platform::ControlArray<Platform::PictureBox> SeriesExample{PreferenceTab.Page(4),
                                                             "SeriesExample"};
  // Alarms
  Platform::ControlArray<Platform::Label> AlarmSeriesName{PreferenceTab.Page(5), "AlarmSeriesName"};
  Platform::ControlArray<Platform::ComboBox> Alarm{PreferenceTab.Page(5), "Alarm"};
  Platform::ControlArray<Platform::PictureBox> AlarmExample{PreferenceTab.Page(5), "AlarmExample"};

 private:
  void OkButton_Click();
  void ApplyButton_Click();
  void CancelButton_Click();
  void SeriesValueAbove_Click(int index);
  void SeriesValueBelow_Click(int index);
  void SeriesValueFloat_Click(int index);
  // Only digits, the point, the minus sign and Backspace reach a limit box.
  static void LimitValue_KeyPress(int16_t& keyAscii);
  // The box shows the number its text starts with.
  static void LimitValue_LostFocus(Platform::TextBox& box);
  // The three value-position boxes of a row hold at most one tick.
  void ValueClick(Platform::ControlArray<Platform::CheckBox>& clicked, int index);
  void DesignRows();
  void HookRows();
  void Header(int page, const std::string& caption, double left, double width, double top = 480);
  // Enabled on a white ground, or disabled on the form's.
  void EnableBox(Platform::TextBox& box, bool enabled);

  std::vector<std::unique_ptr<Platform::Label>> headers_;
  bool ValueClickBusy = false;
};

}  // namespace Dravex
