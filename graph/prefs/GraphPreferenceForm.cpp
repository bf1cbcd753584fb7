#include "graph/prefs/GraphPreferenceForm.h"

#include <type_traits>

#include "platform/gui/Colour.h"
#include "platform/gui/GuiConstants.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"

namespace Dravex {

namespace {

using Platform::CheckBox;
using Platform::ComboBox;
using Platform::ControlArray;
using Platform::Label;
using Platform::PictureBox;
using Platform::TextBox;
using Runtime::Variant;

constexpr double kClientWidth = 6750;
constexpr double kClientHeight = 2640;
constexpr double kGap = 120;
constexpr Platform::Colour kWhite = Platform::RGB(255, 255, 255);

// Left and top of the six standard-deviation boxes of the designed row.
constexpr double kStdDevLeft[] = {4680, 4320, 3960, 3960, 4320, 4680};
constexpr double kStdDevTop[] = {1440, 1440, 1440, 1080, 1080, 1080};

// Element `element` of a further row, modelled on element `model` of the
// designed row, `offset` twips lower, tagged with its page.
template <class T>
void LoadRowElement(ControlArray<T>& array, int element, int model, int16_t offset,
                    const std::string& tag) {
  T& made = array.Load(element);
  const T& from = array[model];
  made.SetVisible(true);
  if constexpr (std::is_same_v<T, CheckBox>) made.SetCaption("");
  if constexpr (std::is_same_v<T, ComboBox>) {
    made.Move(from.Left(), from.Top() + offset, from.Width());
    for (int i = 0; i < from.ListCount(); ++i) made.AddItem(from.List(i));
  } else {
    made.Move(from.Left(), from.Top() + offset, from.Width(), from.Height());
  }
  made.SetTag(tag);
}

template <class T>
void LoadRow(ControlArray<T>& array, int row, int16_t offset, const std::string& tag) {
  LoadRowElement(array, row, 0, offset, tag);
}

// A designed row control: left, top, width and height in twips.
template <class T>
T& Place(ControlArray<T>& array, double left, double top, double width, double height) {
  T& element = array[0];
  element.Move(left, top, width, height);
  return element;
}

void EmptyExample(PictureBox& box, double left, double top) {
  box.Move(left, top, 1215, 495);
  box.SetBorderStyle(0);
}

}  // namespace

GraphPreferenceForm::GraphPreferenceForm() : Form("GraphPreferenceForm") {
  SetCaption("Graph Preferences");
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetMinButton(false);
  SetMaxButton(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterScreen);
  SetClientSize(kClientWidth, kClientHeight);
  PreferenceTab.Move(0, 0, 6735, 2055);

  SavePreference.SetCaption("Save Preference");
  SavePreference.Move(120, 2160, 2655, 375);
  OkButton.SetCaption("Ok");
  OkButton.Move(2880, 2160, 1215, 375);
  CancelButton.SetCaption("Cancel");
  CancelButton.Move(5520, 2160, 1215, 375);
  ApplyButton.SetCaption("Apply");
  ApplyButton.Move(4200, 2160, 1215, 375);
  OkButton.Click.Connect([this] { OkButton_Click(); });
  ApplyButton.Click.Connect([this] { ApplyButton_Click(); });
  CancelButton.Click.Connect([this] { CancelButton_Click(); });

  DesignRows();
  HookRows();
}

GraphPreferenceForm::~GraphPreferenceForm() = default;

void GraphPreferenceForm::Header(int page, const std::string& caption, double left, double width,
                                 double top) {
  auto label = std::make_unique<Label>(PreferenceTab.Page(page),
                                       "Header" + std::to_string(headers_.size() + 1));
  label->SetCaption(caption);
  label->Move(left, top, width, 255);
  label->SetAutoSize(true);  // the desktop's font may be wider than the design's
  headers_.push_back(std::move(label));
}

void GraphPreferenceForm::DesignRows() {
  Header(0, "Series", 120, 1575);
  Header(0, "Display As", 1920, 1575);
  Header(0, "Bar", 3840, 495);
  Header(0, "On", 4440, 375);
  Place(MeanSeriesName, 120, 1200, 1575, 255);
  Place(MeanDisplay, 1920, 1200, 1575, 285).SetBackColor(kWhite);
  Place(MeanBar, 3960, 1200, 255, 255);
  Place(MeanOn, 4560, 1200, 255, 255);
  EmptyExample(MeanExample[0], 5400, 1080);

  Header(1, "Series", 120, 1575);
  Header(1, "Display As", 1920, 1575);
  Header(1, "1", 3960, 135);
  Header(1, "2", 4320, 135);
  Header(1, "3", 4680, 135);
  Place(StdDevSeriesName, 120, 1200, 1455, 255);
  Place(StdDevDisplay, 1920, 1200, 1575, 285).SetBackColor(kWhite);
  for (int k = 0; k < 6; ++k) {
    CheckBox& box = k == 0 ? StdDevOn[0] : StdDevOn.Load(k);
    box.Move(kStdDevLeft[k], kStdDevTop[k], 255, 255);
    box.SetVisible(true);
  }
  for (auto* sign : {&PlusStdDev, &MinusStdDev}) {
    Label& label = (*sign)[0];
    label.SetCaption(sign == &PlusStdDev ? "+" : "-");
    label.Move(3720, sign == &PlusStdDev ? 1080 : 1440, 135, 255);
    label.SetFontName("MS Sans Serif");
    label.SetFontSize(9.75);
    label.SetFontBold(true);
  }
  EmptyExample(StdDevExample[0], 5400, 1080);

  Header(2, "Series", 120, 1575);
  Header(2, "Display As", 1920, 1575);
  Header(2, "Value", 3720, 735);
  Header(2, "On", 4680, 495);
  Place(SLSeriesName, 120, 1200, 1335, 255);
  Place(USL, 1440, 840, 375, 255).SetCaption("U.L.");
  Place(LSL, 1440, 1440, 375, 255).SetCaption("L.L.");
  Place(USLDisplay, 1920, 840, 1575, 285);
  Place(LSLDisplay, 1920, 1440, 1575, 285);
  Place(USLValue, 3720, 840, 735, 285);
  Place(LSLValue, 3720, 1440, 735, 285);
  Place(USLOn, 4800, 840, 255, 255);
  Place(LSLOn, 4800, 1440, 255, 255);
  EmptyExample(USLExample[0], 5400, 720);
  EmptyExample(LSLExample[0], 5400, 1320);

  Header(3, "Series", 120, 1575);
  Header(3, "Display As", 1920, 1575);
  Header(3, "Trend", 3840, 1335);
  Place(TrendSeriesName, 120, 1200, 1575, 255);
  Place(TrendDisplay, 1920, 1200, 1575, 285);
  Place(Trend, 3840, 1200, 1335, 315).SetStyle(Platform::ComboStyles::DropDownList);
  Trend[0].AddItem("None");
  Trend[0].AddItem("Linear");
  EmptyExample(TrendExample[0], 5400, 1080);

  Header(4, "Series", 120, 1575);
  Header(4, "On", 2760, 255);
  Header(4, "Display Values", 3480, 1695);
  Header(4, "Above", 3360, 495, 840);
  Header(4, "Below", 3960, 615, 840);
  Header(4, "Float", 4680, 615, 840);
  Place(SeriesName, 120, 1200, 1815, 255);
  Place(SeriesOn, 2760, 1200, 255, 255);
  Place(SeriesValueAbove, 3480, 1200, 255, 255);
  Place(SeriesValueBelow, 4200, 1200, 255, 255);
  Place(SeriesValueFloat, 4920, 1200, 255, 255);
  EmptyExample(SeriesExample[0], 5400, 1080);

  Place(AlarmSeriesName, 120, 1200, 1455, 255);
  Place(Alarm, 3840, 1200, 1335, 315).SetStyle(Platform::ComboStyles::DropDownList);
  Alarm[0].AddItem("None");
  Alarm[0].AddItem("Out Of Spec");
  EmptyExample(AlarmExample[0], 5400, 1080);
}

void GraphPreferenceForm::HookRows() {
  // Every element of these arrays, the rows added later included, sends its
  // click with its index.
  const auto hookClicks = [this](auto& array, void (GraphPreferenceForm::*handler)(int)) {
    array.OnLoad([this, handler](auto& control, int i) {
      control.Click.Connect([this, handler, i] { (this->*handler)(i); });
    });
  };
  hookClicks(MeanOn, &GraphPreferenceForm::MeanOn_Click);
  hookClicks(StdDevOn, &GraphPreferenceForm::StdDevOn_Click);
  hookClicks(LSLOn, &GraphPreferenceForm::LSLOn_Click);
  hookClicks(USLOn, &GraphPreferenceForm::USLOn_Click);
  hookClicks(Trend, &GraphPreferenceForm::Trend_Click);
  hookClicks(SeriesOn, &GraphPreferenceForm::SeriesOn_Click);
  hookClicks(SeriesValueAbove, &GraphPreferenceForm::SeriesValueAbove_Click);
  hookClicks(SeriesValueBelow, &GraphPreferenceForm::SeriesValueBelow_Click);
  hookClicks(SeriesValueFloat, &GraphPreferenceForm::SeriesValueFloat_Click);
  for (auto* values : {&LSLValue, &USLValue}) {
    values->OnLoad([](TextBox& box, int) {
      box.KeyPress.Connect([](int16_t& key) { LimitValue_KeyPress(key); });
      box.LostFocus.Connect([&box] { LimitValue_LostFocus(box); });
    });
  }
}

void GraphPreferenceForm::AddControl(int16_t index) {
  if (index >= 2) {
    const int row = index - 1;
    PreferenceTab.SetTab(0);
    const auto pitch = static_cast<int16_t>(Runtime::CInt(Variant(MeanExample[0].Height() * 2.5)));
    // 16-bit, as the rows were always laid out: the offset of row 27 overflows.
    const int16_t offset = Runtime::CInt(Variant(static_cast<int32_t>(row) * pitch));

    std::string tag = "Delete0";
    LoadRow(MeanSeriesName, row, offset, tag);
    LoadRow(MeanDisplay, row, offset, tag);
    LoadRow(MeanBar, row, offset, tag);
    LoadRow(MeanOn, row, offset, tag);
    LoadRow(MeanExample, row, offset, tag);

    PreferenceTab.SetTab(1);
    tag = "Delete1";
    LoadRow(StdDevSeriesName, row, offset, tag);
    LoadRow(StdDevDisplay, row, offset, tag);
    for (int k = 0; k < 6; ++k) LoadRowElement(StdDevOn, 6 * row + k, k, offset, tag);
    LoadRow(PlusStdDev, row, offset, tag);
    LoadRow(MinusStdDev, row, offset, tag);
    LoadRow(StdDevExample, row, offset, tag);

    PreferenceTab.SetTab(2);
    tag = "Delete2";
    LoadRow(SLSeriesName, row, offset, tag);
    LoadRow(USL, row, offset, tag);
    LoadRow(LSL, row, offset, tag);
    LoadRow(USLDisplay, row, offset, tag);
    LoadRow(LSLDisplay, row, offset, tag);
    LoadRow(USLValue, row, offset, tag);
    LoadRow(LSLValue, row, offset, tag);
    LoadRow(USLOn, row, offset, tag);
    LoadRow(LSLOn, row, offset, tag);
    LoadRow(USLExample, row, offset, tag);
    LoadRow(LSLExample, row, offset, tag);

    PreferenceTab.SetTab(3);
    tag = "Delete3";
    LoadRow(TrendSeriesName, row, offset, tag);
    LoadRow(TrendDisplay, row, offset, tag);
    LoadRow(Trend, row, offset, tag);
    LoadRow(TrendExample, row, offset, tag);

    PreferenceTab.SetTab(4);
    tag = "Delete4";
    LoadRow(SeriesName, row, offset, tag);
    LoadRow(SeriesOn, row, offset, tag);
    LoadRow(SeriesValueAbove, row, offset, tag);
    LoadRow(SeriesValueBelow, row, offset, tag);
    LoadRow(SeriesValueFloat, row, offset, tag);
    LoadRow(SeriesExample, row, offset, tag);

    PreferenceTab.SetTab(5);
    tag = "Delete5";
    LoadRow(AlarmSeriesName, row, offset, tag);
    LoadRow(Alarm, row, offset, tag);
    LoadRow(AlarmExample, row, offset, tag);
  }

  const PictureBox& last = LSLExample[index - 1];
  PreferenceTab.SetHeight(last.Top() + last.Height() + kGap);
  const double buttonsTop = PreferenceTab.Top() + PreferenceTab.Height() + kGap;
  for (Platform::VisualControl* control : std::initializer_list<Platform::VisualControl*>{
           &OkButton, &CancelButton, &ApplyButton, &SavePreference})
    control->SetTop(buttonsTop);
  SetClientSize(kClientWidth, OkButton.Top() + OkButton.Height() + kGap);
}

void GraphPreferenceForm::RemoveControls() {
  int i = 0;
  while (i < ControlCount()) {
    Platform::Control& control = ControlItem(i);
    const std::string tag = control.Tag();
    if (Runtime::UCase(Runtime::Left(tag, 6)) == "DELETE") {
      PreferenceTab.SetTab(tag.back() - '0');
      control.Unload();
    } else {
      ++i;
    }
  }
}

void GraphPreferenceForm::EnableBox(TextBox& box, bool enabled) {
  box.SetEnabled(enabled);
  box.SetBackColor(enabled ? kWhite : BackColor());
}

void GraphPreferenceForm::MeanOn_Click(int index) {
  const bool on = MeanOn[index].Value() == 1;
  EnableBox(MeanDisplay[index], on);
  MeanBar[index].SetEnabled(on);
}

void GraphPreferenceForm::StdDevOn_Click(int index) {
  const int first = index / 6 * 6;
  bool any = false;
  for (int k = 0; k < 6 && !any; ++k) any = StdDevOn[first + k].Value() == 1;
  EnableBox(StdDevDisplay[index / 6], any);
}

void GraphPreferenceForm::LSLOn_Click(int index) {
  EnableBox(LSLDisplay[index], LSLOn[index].Value() == 1);
  EnableBox(LSLValue[index], LSLOn[index].Value() == 1);
}

void GraphPreferenceForm::USLOn_Click(int index) {
  EnableBox(USLDisplay[index], USLOn[index].Value() == 1);
  EnableBox(USLValue[index], USLOn[index].Value() == 1);
}

void GraphPreferenceForm::Trend_Click(int index) {
  EnableBox(TrendDisplay[index], Trend[index].ListIndex() >= 1);
  TrendDisplay[index].SetText(Trend[index].Text());
}

void GraphPreferenceForm::SeriesOn_Click(int index) {
  const bool on = SeriesOn[index].Value() == 1;
  SeriesValueAbove[index].SetEnabled(on);
  SeriesValueBelow[index].SetEnabled(on);
  SeriesValueFloat[index].SetEnabled(on);
}

void GraphPreferenceForm::ValueClick(ControlArray<CheckBox>& clicked, int index) {
  if (ValueClickBusy) return;
  ValueClickBusy = true;
  if (clicked[index].Value() == 1) {
    for (auto* others : {&SeriesValueAbove, &SeriesValueBelow, &SeriesValueFloat})
      if (others != &clicked) (*others)[index].SetValue(0);
  }
  ValueClickBusy = false;
}

void GraphPreferenceForm::SeriesValueAbove_Click(int index) {
  ValueClick(SeriesValueAbove, index);
}

void GraphPreferenceForm::SeriesValueBelow_Click(int index) {
  ValueClick(SeriesValueBelow, index);
}

void GraphPreferenceForm::SeriesValueFloat_Click(int index) {
  ValueClick(SeriesValueFloat, index);
}

void GraphPreferenceForm::LimitValue_KeyPress(int16_t& keyAscii) {
  const bool passes =
      (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.' || keyAscii == '-' || keyAscii == 8;
  if (!passes) keyAscii = 0;
}

void GraphPreferenceForm::LimitValue_LostFocus(TextBox& box) {
  box.SetText(Runtime::NumberText(Runtime::Val(box.Text())));
}

void GraphPreferenceForm::OkButton_Click() {
  SetTag("Ok");
  Hide();
}

void GraphPreferenceForm::ApplyButton_Click() {
  SetTag("Apply");
  Hide();
}

void GraphPreferenceForm::CancelButton_Click() {
  SetTag("Cancel");
  Hide();
}

void GraphPreferenceForm::Form_Load() {
  ValueClickBusy = false;
}

void GraphPreferenceForm::Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
  if (UnloadMode != Platform::UnloadModes::FormControlMenu) return;
  Cancel = 1;
  Hide();
}

}  // namespace Dravex
