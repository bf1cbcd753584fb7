#include "viewer/shell/ChartForm.h"

#include <memory>

#include "common/WindowsXPButtons.h"
#include "platform/gui/App.h"
#include "platform/gui/Application.h"
#include "viewer/data/ChartPreferenceName.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/ShellPictures.h"

namespace Kordex {

ChartForm::ChartForm() : Platform::Form("ChartForm", Kind::MdiChild) {
  SetClientSize(7710, 4935);
  SetKeyPreview(true);
  SetIcon(ShellPicture("Productivity"));
  PRDGraph.Move(60, 60, 7575, 4755);
  mouseDown_ = PRDGraph.Object()->MouseDown.Connect(
      [this](int16_t& button, int16_t& shift, float& x, float& y) {
        PRDGraph_MouseDown(button, shift, x, y);
      });
  preferenceChange_ = PRDGraph.Object()->PreferenceChange.Connect(
      [this](bool& save, std::string& app, std::string& section, std::string& chart) {
        PRDGraph_PreferenceChange(save, app, section, chart);
      });
}

ChartForm::~ChartForm() = default;

void ChartForm::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void ChartForm::Form_Load() {
  PRDGraph.Object()->SetTitles("", "", "", "", "", "", "");
}

void ChartForm::Form_Activate() {
  ParentMainForm().SetToolBars(true);
}

void ChartForm::Form_Resize() {
  const double left = PRDGraph.Left();
  const double top = PRDGraph.Top();
  const double width = 2 * left < ScaleWidth() ? ScaleWidth() - 2 * left : PRDGraph.Width();
  const double height = 2 * top < ScaleHeight() ? ScaleHeight() - 2 * top : PRDGraph.Height();
  PRDGraph.Move(left, top, width, height);
  PRDGraph.Object()->Draw();
}

void ChartForm::Form_KeyDown(int16_t& KeyCode, int16_t& /*Shift*/) {
  ReportWindowKeyDown(KeyCode);
}

void ChartForm::Form_KeyPress(int16_t& KeyAscii) {
  ReportWindowKeyPress(*this, KeyAscii);
}

void ChartForm::Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
  Platform::Form::Form_QueryUnload(Cancel, UnloadMode);
  // A build may be filling this window's graph and will list it when done:
  // the window closes once the report work is over.
  if (Cancel == 0 && KordexModule::ReportWork::InProgress()) {
    Cancel = 1;
    std::weak_ptr<Platform::Form> self = weak_from_this();
    KordexModule::ReportWork::WhenDone([self] {
      if (auto form = self.lock()) form->Unload();
    });
  }
}

void ChartForm::Form_Unload(int16_t& /*Cancel*/) {
  MainForm& main = ParentMainForm();
  --KordexModule::ChartCount;
  main.RemoveFromReportList(*this);
  main.SetToolBars(false);
  // A chart whose creation failed may have no set.
  if (main.HasConstraintSet(Tag())) main.objConstraintsCol->Remove(Runtime::Variant(Tag()));
}

void ChartForm::PRDGraph_MouseDown(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/,
                                   float& /*Y*/) {
  SetFocus();
  Platform::DoEvents();
}

void ChartForm::PRDGraph_PreferenceChange(bool& /*SavePreference*/, std::string& appname,
                                          std::string& SectionName, std::string& ChartName) {
  appname = Platform::App::EXEName();
  SectionName = "Charts";
  ChartName = GetChartPreferenceName(Caption());
}

}  // namespace Kordex
