// The bar and the mouse: shortcuts light up under the pointer, show pressed
// while the left button is down and are chosen when it comes up; the drag bar
// changes the bar's width.

#include "common/CommonFunctions.h"
#include "platform/gui/GuiConstants.h"
#include "runtime/Conversions.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

namespace {

using Runtime::Variant;

constexpr int32_t Plain = 5;
constexpr int32_t Hot = 6;
constexpr int32_t Pressed = 7;
constexpr int16_t Normal = 0;
constexpr int16_t Lit = -1;

}  // namespace

void cntTabrill::picCanvas_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  if (!enabled_) return;
  float x = static_cast<float>(X), y = static_cast<float>(Y);
  MouseDown.Raise(Button, Shift, x, y);
  const auto& group = groups_->Current();
  if (Button != Platform::MouseButtons::Left || groups_->Count() < 1 || !group) return;
  const auto shortCuts = group->ShortCuts();
  for (int16_t i = 1; i <= shortCuts->Count(); ++i) {
    const auto shortCut = shortCuts->Item(Variant(i));
    if (shortCut->State() != Normal) DrawShortCutItem(shortCut->Icon(), *shortCut->Rect(), Pressed);
  }
}

void cntTabrill::picCanvas_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  if (!enabled_) return;
  float x = static_cast<float>(X), y = static_cast<float>(Y);
  MouseMove.Raise(Button, Shift, x, y);
  HoverShortCuts(Button, x, y);
}

void cntTabrill::HoverShortCuts(int16_t Button, float X, float Y) {
  const auto& group = groups_->Current();
  if (Button == 0 && groups_->Count() >= 1 && group) {
    const auto shortCuts = group->ShortCuts();
    for (int16_t i = 1; i <= shortCuts->Count(); ++i) {
      const auto shortCut = shortCuts->Item(Variant(i));
      const bool inside = shortCut->Rect()->Contains(X, Y) && shortCut->Enabled();
      if (inside && shortCut->State() == Normal) {
        DrawShortCutItem(shortCut->Icon(), *shortCut->Rect(), Hot);
        shortCut->State(Lit);
      } else if (!inside && shortCut->State() != Normal) {
        DrawShortCutItem(shortCut->Icon(), *shortCut->Rect(), Plain);
        shortCut->State(Normal);
      }
    }
  }
  if (!dragging_) SetMousePointer(Platform::MousePointers::Default);
}

void cntTabrill::picCanvas_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  if (!enabled_) return;
  float x = static_cast<float>(X), y = static_cast<float>(Y);
  MouseUp.Raise(Button, Shift, x, y);
  const auto& group = groups_->Current();
  if (Button != Platform::MouseButtons::Left || groups_->Count() < 1 || !group) return;
  const auto shortCuts = group->ShortCuts();
  for (int16_t i = 1; i <= shortCuts->Count(); ++i) {
    auto shortCut = shortCuts->Item(Variant(i));
    if (shortCut->State() == Normal) continue;
    // One release chooses one shortcut. The host's handler may show a dialog,
    // change the groups or move the pointer; afterwards the shortcuts are
    // looked up afresh by the pointer check, and the pass ends.
    DrawShortCutItem(shortCut->Icon(), *shortCut->Rect(), Hot);
    SelectShortCut.Raise(shortCut);
    double pointerX = 0, pointerY = 0;
    const bool known = pointerSource_ ? pointerSource_(pointerX, pointerY)
                                      : picCanvas.MousePosition(pointerX, pointerY);
    if (known) {
      int16_t button = 0, shift = 0;
      picCanvas_MouseMove(button, shift, pointerX, pointerY);
    }
    return;
  }
}

void cntTabrill::SetPointerSource(std::function<bool(double&, double&)> source) {
  pointerSource_ = std::move(source);
}

void cntTabrill::picDragBar_MouseMove(double X) {
  if (!Resizable() || !dragging_ || dragBusy_) return;
  dragBusy_ = true;
  const int16_t width =
      Runtime::CInt(Common::MaxOf(static_cast<double>(border_), picDragBar.Left() + X));
  const uint32_t before = layouts_;
  SetWidth(GetContainer().PixelsToWidth(width));
  if (layouts_ == before) UserControl_Resize();
  dragBusy_ = false;
}

}  // namespace Quillon
