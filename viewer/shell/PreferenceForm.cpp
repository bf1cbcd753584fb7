#include "viewer/shell/PreferenceForm.h"

#include <algorithm>

#include "common/IniFileFunctions.h"
#include "common/TavroRegistry.h"
#include "common/WindowsXPButtons.h"
#include "platform/gui/App.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/MsgBox.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"

namespace Kordex {

namespace {

using Runtime::Variant;

// The line fields hold 16-bit numbers.
constexpr double kMostInField = 32767;
constexpr int32_t kTextValue = 1;

const char* const kDataDirectoryTitle = "Data Directory Error!";
const char* const kDataDirectoryRule = "Data Directory must end with '/Data/'";

clsPreferences& Preferences() {
  MainForm* main = MainForm::Current();
  if (main == nullptr || !main->objPreferences) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return *main->objPreferences;
}

// The "Data Directory" value as the folder the line folders are named in.
std::string DataDirectoryValue() {
  Preferences();  // none: "object not set", as for every other preference
  return KordexModule::LineTableHost()->DataDirectory();
}

// A field's number, at most what its 16-bit field holds.
int16_t FieldNumber(const std::string& text, double least) {
  return static_cast<int16_t>(std::clamp(Runtime::Val(text), least, kMostInField));
}

// Sets a flag for as long as it lives, then puts back what it held.
class Filling {
 public:
  explicit Filling(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Filling() { flag_ = was_; }
  Filling(const Filling&) = delete;
  Filling& operator=(const Filling&) = delete;

 private:
  bool& flag_;
  bool was_;
};

// The line's placement file the list has selected; its item data is the
// file's number in the line's list.
PlacementFile* SelectedFile(const Platform::ListBox& list, ProductionLineInfo* line) {
  const int selected = list.ListIndex();
  if (line == nullptr || selected < 0) return nullptr;
  const int32_t f = list.ItemData(selected);
  if (f < 1 || f > line->PlacementFiles.Count()) return nullptr;
  return &line->PlacementFiles.Files[static_cast<size_t>(f - 1)];
}

// Place a label and its box on one row of a page, in twips.
void Row(Platform::Label& label, const std::string& caption, Platform::VisualControl& box,
         double top, double boxLeft, double boxWidth) {
  label.SetCaption(caption);
  label.Move(240, top + 45, boxLeft - 360, 255);
  box.Move(boxLeft, top, boxWidth, 315);
}

}  // namespace

PreferenceForm::PreferenceForm() : Form("PreferenceForm") {
  SetCaption("Preferences");
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetMinButton(false);
  SetMaxButton(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterOwner);
  Layout();

  lineControls_ = {&lstProductionLines, &lstPlacementFiles, &txtCountMachine, &txtHoursPerDay,
                   &txtPanelPerHour};
  OkButton.Click.Connect([this] { OkButton_Click(); });
  CancelButton.Click.Connect([this] { CancelButton_Click(); });
  DataDirectory.LostFocus.Connect([this] { DataDirectory_LostFocus(); });
  FindDataDirectory.MouseUp.Connect(
      [this](int16_t&, int16_t&, double&, double&) { DataDirectory_LostFocus(); });
  UpdateInterval.Change.Connect([this] { UpdateInterval_Change(); });
  lstProductionLines.Click.Connect([this] { lstProductionLines_Click(); });
  lstPlacementFiles.Click.Connect([this] { lstPlacementFiles_Click(); });
  txtCountMachine.Change.Connect([this] { txtCountMachine_Change(); });
  txtHoursPerDay.Change.Connect([this] { txtHoursPerDay_Change(); });
  txtPanelPerHour.Change.Connect([this] { txtPanelPerHour_Change(); });
  for (Platform::TextBox* box : {&txtCountMachine, &txtHoursPerDay, &txtPanelPerHour})
    box->KeyPress.Connect([this, box](int16_t& key) { LineField_KeyPress(*box, key); });
}

PreferenceForm::~PreferenceForm() = default;

void PreferenceForm::Layout() {
  SetClientSize(6840, 4680);
  Tab.Move(120, 120, 6600, 3840);

  Row(labDataDirectory, "Data Directory", DataDirectory, 600, 1920, 3960);
  FindDataDirectory.SetCaption("...");
  FindDataDirectory.Move(5955, 600, 435, 315);
  Row(labUpdateInterval, "Update Interval", UpdateInterval, 1080, 1920, 735);
  labMinutes.SetCaption("Minutes");
  labMinutes.Move(2775, 1125, 1200, 255);
  labLineStatus.SetCaption("Line Status");
  labLineStatus.Move(240, 1605, 1560, 255);
  LineStatus.SetMultiLine(true);
  LineStatus.Move(1920, 1560, 4470, 2040);

  Row(labParetoDisplayWidth, "Display Width", ParetoDisplayWidth, 600, 2160, 735);
  Row(labParetoMaxEntries, "Maximum Entries", ParetoMaxEntries, 1080, 2160, 735);
  Row(labRunTimeDisplayWidth, "Display Width", RunTimeDisplayWidth, 600, 2160, 735);
  Row(labRunTimeHistory, "History", RunTimeHistory, 1080, 2160, 735);

  // The three line boxes reach the right edge the page's controls share (6390
  // twips, where the placement list ends): 106 pixels. Hours as a Single
  // ("-16.66667": seven digits, sign and point) and a 16-bit figure ("-32768")
  // show whole, with room to spare for a desktop font larger than 9 point
  // DejaVu Sans, in which "-16.66667" takes 62 pixels.
  constexpr double kLineBoxLeft = 4800;
  constexpr double kLineBoxWidth = 6390 - kLineBoxLeft;
  labProductionLines.SetCaption("Production Line");
  labProductionLines.Move(240, 540, 2640, 255);
  lstProductionLines.Move(240, 840, 2640, 2760);
  labCountMachine.SetCaption("Count Machine");
  labCountMachine.Move(3120, 885, 1560, 255);
  txtCountMachine.Move(kLineBoxLeft, 840, kLineBoxWidth, 315);
  labHoursPerDay.SetCaption("Hours Per Day");
  labHoursPerDay.Move(3120, 1365, 1560, 255);
  txtHoursPerDay.Move(kLineBoxLeft, 1320, kLineBoxWidth, 315);
  labPlacementFiles.SetCaption("Placement Files");
  labPlacementFiles.Move(3120, 1800, 3240, 255);
  lstPlacementFiles.Move(3120, 2100, 3270, 1020);
  labPanelPerHour.SetCaption("Panels Per Hour");
  labPanelPerHour.Move(3120, 3285, 1560, 255);
  txtPanelPerHour.Move(kLineBoxLeft, 3240, kLineBoxWidth, 315);

  OkButton.SetCaption("Ok");
  OkButton.Move(4080, 4140, 1215, 375);
  CancelButton.SetCaption("Cancel");
  CancelButton.Move(5505, 4140, 1215, 375);
}

PreferenceForm& PreferenceForm::Dialog() {
  static std::weak_ptr<PreferenceForm> dialog;
  return *Platform::Forms::LoadedOne(dialog);
}

Platform::TextBox* PreferenceForm::EditBox(const std::string& name) {
  return dynamic_cast<Platform::TextBox*>(FindControl(name));
}

Platform::CommandButton* PreferenceForm::Button(const std::string& name) {
  return dynamic_cast<Platform::CommandButton*>(FindControl(name));
}

void PreferenceForm::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void PreferenceForm::Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
  if (UnloadMode != Platform::UnloadModes::FormControlMenu) return;
  Cancel = 1;
  Hide();
}

void PreferenceForm::DataDirectory_LostFocus() {
  std::string text = DataDirectory.Text();
  if (text.empty() || text.back() != '/') DataDirectory.SetText(text += "/");
  const std::string lastKnown =
      std::string(kDataDirectoryRule) + "\r\nKordex will use the last known Data Directory.";
  if (text.size() < 6) {
    Platform::MsgBox(lastKnown, Platform::MsgBoxStyles::Exclamation, kDataDirectoryTitle);
    DataDirectory.SetText(strDataDirectory);
  } else if (Runtime::UCase(Runtime::Right(text, 6)) != "/DATA/") {
    const int32_t found = Runtime::InStr(text, "/Data/");
    if (found == 0) {
      Platform::MsgBox(lastKnown, Platform::MsgBoxStyles::Exclamation, kDataDirectoryTitle);
      DataDirectory.SetText(strDataDirectory);
    } else if (Platform::MsgBox(std::string(kDataDirectoryRule) +
                                    "\r\nA data directory has been detected\r\nDo you wish "
                                    "Kordex to use this?",
                                Platform::MsgBoxStyles::Question | Platform::MsgBoxStyles::YesNo,
                                kDataDirectoryTitle) == Platform::MsgBoxResults::Yes) {
      DataDirectory.SetText(Runtime::Left(text, found + 5));
    } else {
      DataDirectory.SetText(strDataDirectory);
    }
    DataDirectory.SetFocus();
  }
  strDataDirectory = DataDirectory.Text();
}

void PreferenceForm::UpdateInterval_Change() {
  labMinutes.SetCaption(Runtime::Val(UpdateInterval.Text()) == 1 ? "Minute" : "Minutes");
}

ProductionLineInfo* PreferenceForm::SelectedLine() {
  const int selected = lstProductionLines.ListIndex();
  if (selected < 0) return nullptr;
  const int32_t n = lstProductionLines.ItemData(selected);
  auto& lines = KordexModule::EditProductionLines.Lines;
  if (n < 1 || n > static_cast<int32_t>(lines.size())) return nullptr;
  return &lines[static_cast<size_t>(n - 1)];
}

void PreferenceForm::lstProductionLines_Click() {
  const ProductionLineInfo* line = SelectedLine();
  if (line == nullptr) {
    txtCountMachine.SetText("");
    txtPanelPerHour.SetText("");
    txtHoursPerDay.SetText("");
    lstPlacementFiles.Clear();
    return;
  }
  // Showing a record edits none of it: a figure shown shortened (hours with
  // seven digits) or outside what a box takes stays as stored.
  const Filling filling(filling_);
  txtCountMachine.SetText(std::to_string(line->CountMachine));
  txtHoursPerDay.SetText(Runtime::NumberText(line->HoursPerDay, true));
  lstPlacementFiles.Clear();
  const auto& files = line->PlacementFiles.Files;
  for (size_t f = 0; f < files.size(); ++f) {
    lstPlacementFiles.AddItem(files[f].Name);
    lstPlacementFiles.SetItemData(lstPlacementFiles.NewIndex(), static_cast<int32_t>(f + 1));
  }
  if (lstPlacementFiles.ListCount() > 0)
    lstPlacementFiles.SetListIndex(0);
  else
    txtPanelPerHour.SetText("");  // no figure left over from the line shown before
}

void PreferenceForm::lstPlacementFiles_Click() {
  const Filling filling(filling_);
  if (const PlacementFile* file = SelectedFile(lstPlacementFiles, SelectedLine()))
    txtPanelPerHour.SetText(std::to_string(file->Count));
}

void PreferenceForm::txtCountMachine_Change() {
  ProductionLineInfo* line = filling_ ? nullptr : SelectedLine();
  if (line == nullptr) return;
  const int16_t machine = FieldNumber(txtCountMachine.Text(), 1);
  if (machine == line->CountMachine) return;
  line->CountMachine = machine;
  line->Changed = true;
  line->CountMachineChanged = true;
  line->PlacementFiles = KordexModule::GetPlacementFiles(
      strDataDirectory + "Line" + std::to_string(line->LineNumber) + "/", machine);
  lstProductionLines_Click();
}

void PreferenceForm::txtHoursPerDay_Change() {
  ProductionLineInfo* line = filling_ ? nullptr : SelectedLine();
  if (line == nullptr) return;
  const auto hours = static_cast<float>(std::max(Runtime::Val(txtHoursPerDay.Text()), 0.0));
  if (hours == line->HoursPerDay) return;
  line->HoursPerDay = hours;
  line->Changed = true;
  line->HoursPerDayChanged = true;
}

void PreferenceForm::txtPanelPerHour_Change() {
  ProductionLineInfo* line = filling_ ? nullptr : SelectedLine();
  PlacementFile* file = SelectedFile(lstPlacementFiles, line);
  if (file == nullptr) return;
  const int16_t count = FieldNumber(txtPanelPerHour.Text(), 0);
  if (count == file->Count) return;
  line->Changed = true;
  line->PlacementFiles.Changed = true;
  file->Changed = true;
  file->Count = count;
}

void PreferenceForm::LineField_KeyPress(Platform::TextBox& box, int16_t& KeyAscii) {
  if (lstProductionLines.ListIndex() < 0) {
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == 8) return;
  const bool digit = KeyAscii >= '1' && KeyAscii <= '9';
  const bool zero = KeyAscii == '0' && !box.Text().empty();
  if (!digit && !zero) {
    KeyAscii = 0;
    return;
  }
  // A digit that would take the number past what the field holds is refused.
  const std::string text = box.Text();
  const auto start =
      static_cast<size_t>(std::clamp(box.SelStart(), 0, static_cast<int>(text.size())));
  const size_t end =
      std::min(text.size(), start + static_cast<size_t>(std::max(box.SelLength(), 0)));
  const std::string typed = text.substr(0, start) + static_cast<char>(KeyAscii) + text.substr(end);
  if (Runtime::Val(typed) > kMostInField) KeyAscii = 0;
}

void PreferenceForm::OkButton_Click() {
  clsPreferences& preferences = Preferences();
  // Nothing is committed, saved or written while a box holds what its
  // preference cannot take; the failing box has the focus.
  if (!preferences.ValidateCommitValues()) return;
  preferences.CommitPreferences();
  preferences.SaveToRegistry();
  KordexModule::LineStatusTemplate = LineStatus.Text();
  // As text, whatever the template reads like.
  Common::WriteRegValue(Common::BuildKeyPath(Platform::App::EXEName(), "General"), "Line Status",
                        Variant(KordexModule::LineStatusTemplate), kTextValue);
  KordexModule::ProductionLines = KordexModule::EditProductionLines;
  WriteLineFiles();
  Hide();
}

void PreferenceForm::WriteLineFiles() {
  const std::string folder = DataDirectoryValue();
  for (ProductionLineInfo& line : KordexModule::ProductionLines.Lines) {
    if (!line.Changed) continue;
    line.Changed = false;
    const std::string path = folder + "Line" + std::to_string(line.LineNumber) + "/LineInfo.Dat";
    // Only the values typed into are written; every other key keeps its stored
    // text (a value the dialog shows shortened is not rewritten in that form).
    if (line.CountMachineChanged)
      Common::WriteIniString(path, "Line Info", "Count Machine", Variant(line.CountMachine));
    if (line.HoursPerDayChanged)
      Common::WriteIniString(path, "Line Info", "Hours Per Day", Variant(line.HoursPerDay));
    line.CountMachineChanged = false;
    line.HoursPerDayChanged = false;
    if (!line.PlacementFiles.Changed) continue;
    line.PlacementFiles.Changed = false;
    for (PlacementFile& file : line.PlacementFiles.Files) {
      if (!file.Changed) continue;
      file.Changed = false;
      Common::WriteIniString(path, "Placement Files", file.Name, Variant(file.Count));
    }
  }
}

void PreferenceForm::CancelButton_Click() {
  Hide();
}

namespace KordexModule {

void ShowPreferenceForm() {
  PreferenceForm& dialog = PreferenceForm::Dialog();
  Preferences().DisplayPreferences();
  EditProductionLines = ProductionLines;
  dialog.strDataDirectory = DataDirectoryValue();
  dialog.lstProductionLines_Click();
  dialog.LineStatus.SetText(LineStatusTemplate);
  dialog.Tab.SetTab(0);
  dialog.Show(Platform::ShowModes::Modal, MainForm::Current());
}

}  // namespace KordexModule

}  // namespace Kordex
