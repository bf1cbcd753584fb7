#include "viewer/shell/LineStatusForm.h"

#include <cmath>
#include <string_view>

#include "common/WindowsXPButtons.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/Surface.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/ShellPictures.h"

namespace Kordex {

namespace {

// Half the room left over, as whole twips: the room rounded (halves to even),
// then halved with the remainder dropped.
double HalfRoom(double room) {
  return std::trunc(std::nearbyint(room) / 2);
}

}  // namespace

LineStatusForm::LineStatusForm() : Platform::Form("LineStatusForm", Kind::MdiChild) {
  SetCaption("Line Status");
  SetClientSize(4680, 3195);
  SetIcon(ShellPicture("ProductionLine"));
}

LineStatusForm::~LineStatusForm() = default;

void LineStatusForm::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void LineStatusForm::Form_Load() {
  Common::InitialiseCommonControls();
  Drawing().SetFontName("Arial");
  Drawing().SetFontSize(8.25);
}

void LineStatusForm::Form_Activate() {
  ParentMainForm().SetToolBars(true);
}

void LineStatusForm::Form_KeyDown(int16_t& KeyCode, int16_t& /*Shift*/) {
  if (KeyCode == Platform::KeyCodes::F5) RunManualUpdate();
}

void LineStatusForm::Form_Unload(int16_t& /*Cancel*/) {
  MainForm& main = ParentMainForm();
  --KordexModule::StatusFormCount;
  main.RemoveFromReportList(*this);
  main.SetToolBars(false);
}

void LineStatusForm::Form_Resize() {
  DrawStatusText(Drawing(), strText, ScaleWidth(), ScaleHeight());
}

void LineStatusForm::DrawStatusText(Platform::Surface& Surface, const std::string& Text,
                                    double ScaleWidth, double ScaleHeight) {
  Surface.Cls();
  if (Text.empty() || ScaleHeight <= 0 || ScaleWidth <= 0) return;
  const double th = Surface.TextHeight(Text);
  const double tw = Surface.TextWidth(Text);
  const double size = tw / ScaleWidth < th / ScaleHeight
                          ? Surface.FontSize() * ScaleHeight / th * 0.9
                          : Surface.FontSize() * ScaleWidth / tw * 0.9;
  // The largest size the surface takes; a smaller window than that never asks.
  Surface.SetFontSize(std::min(size, 2160.0));
  Surface.SetCurrentY(HalfRoom(ScaleHeight - Surface.TextHeight(Text)));
  std::string_view rest = Text;
  for (;;) {
    const size_t end = rest.find("\r\n");
    const std::string_view piece = rest.substr(0, end);
    Surface.SetCurrentX(HalfRoom(ScaleWidth - Surface.TextWidth(piece)));
    Surface.PrintLine(piece);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 2);
  }
}

}  // namespace Kordex
