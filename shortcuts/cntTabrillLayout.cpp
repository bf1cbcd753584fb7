// The bar's layout and painting: where the caption, canvas, drag bar, header
// buttons and scroll bar go, the scroll range, and the current group's
// shortcuts drawn as icons over their captions.

#include <vector>

#include "common/CommonFunctions.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/Surface.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

namespace {

using Platform::Colour;
using Runtime::Variant;

// Drawing styles of one icon cell: the enabled look, with the frame in the low
// two bits.
constexpr int32_t EnabledLook = 4;
constexpr int32_t Raised = 2;
constexpr int32_t Sunken = 3;

// A whole number of 16-bit positions; beyond their range raises 6.
int16_t Whole(double value) {
  return Runtime::CInt(Variant(value));
}

double Larger(double a, double b) {
  return Runtime::CDbl(Common::MaxOf(a, b));
}

}  // namespace

void cntTabrill::UserControl_Resize() {
  ++layouts_;
  const double width = ScaleWidth();
  const double height = ScaleHeight();
  if (width <= border_) {
    labCaption.SetVisible(false);
    labCaption.Move(0, labCaption.Top(), 0);
    picCanvas.SetVisible(false);
    picCanvas.Move(0, picCanvas.Top(), 0);
    PlaceDragBar();
    Resize.Raise();
    return;
  }
  const double inner = Larger(0, width - 2 * border_);
  labCaption.Move(border_, border_, inner);
  const bool captioned = !Caption().empty();
  labCaption.SetVisible(captioned);
  const double caption = captioned ? labCaption.Top() + labCaption.Height() : 0;
  picCanvas.Move(border_, border_ + caption, inner, Larger(0, height - caption - 2 * border_));
  picCanvas.SetVisible(true);
  UpdateScrollBar();
  DrawShortCuts();
  Resize.Raise();
}

void cntTabrill::PlaceDragBar() {
  picDragBar.Move(Larger(0, ScaleWidth() - border_), 0, border_, ScaleHeight());
}

int16_t cntTabrill::ItemHeight() const {
  return Whole(CanvasSurface().TextHeight(" ") + static_cast<int32_t>(iconSize_) + 4 + iconGap_ +
               2 * iconBorder_);
}

void cntTabrill::UpdateScrollBar() {
  // No message pump here: a click handled in the middle of a host filling its
  // bar would select a shortcut of a half-built group.
  double room = 0;
  if (const auto& group = groups_->Current()) {
    const int16_t buttons = Whole(static_cast<double>(buttonHeight_) * groups_->Count());
    const int16_t items = Whole(static_cast<double>(ItemHeight()) * group->ShortCuts()->Count());
    room = Whole(CanvasSurface().ScaleHeight() - buttons - items - border_ + iconGap_ - 2);
  }
  if (room < 0) {
    vscScroll.SetVisible(true);
    scrollShown_ = true;
    const int16_t itemHeight = ItemHeight();
    if (itemHeight == 0) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);
    vscScroll.SetMax(static_cast<int>(-room) / itemHeight + 2);
  } else {
    scrollShown_ = false;
    vscScroll.SetVisible(false);
    vscScroll.SetValue(1);
  }
}

void cntTabrill::DrawShortCuts() {
  Platform::Surface& canvas = CanvasSurface();
  canvas.Cls();
  PlaceDragBar();
  const double canvasWidth = canvas.ScaleWidth();
  const double canvasHeight = canvas.ScaleHeight();
  const int16_t groups = groups_->Count();
  bool below = false;
  for (int16_t i = 1; i <= groups; ++i) {
    const auto group = groups_->Item(Variant(i));
    Platform::CommandButton* button = group->HeaderButton();
    const double height = button ? button->Height() : buttonHeight_;
    const double top = below ? canvasHeight - (groups - i + 1) * height : (i - 1) * height;
    if (button) button->Move(0, top, canvasWidth, height);
    const double bottom = top + height;
    if (!group->Current()) continue;

    const double scrollWidth = scrollShown_ ? vscScroll.Width() : 0;
    if (scrollShown_)
      vscScroll.Move(Larger(0, canvasWidth - vscScroll.Width()), bottom, vscScroll.Width(),
                     Larger(1, canvasHeight - Whole(static_cast<double>(buttonHeight_) * groups)));
    const int first = vscScroll.Value();
    const auto shortCuts = group->ShortCuts();
    const int16_t itemHeight = ItemHeight();
    for (int16_t j = 1; j < first && j <= shortCuts->Count(); ++j) {
      clsRect& rect = *shortCuts->Item(Variant(j))->Rect();
      rect.X1(-1);
      rect.Y1(-1);
      rect.X2(-1);
      rect.Y2(-1);
    }
    for (int16_t j = static_cast<int16_t>(first); j <= shortCuts->Count(); ++j) {
      const auto shortCut = shortCuts->Item(Variant(j));
      const double y =
          static_cast<double>(Whole(static_cast<double>(j - first) * itemHeight)) + bottom;
      clsRect& rect = *shortCut->Rect();
      rect.X1(Whole(Larger(0, (canvasWidth - static_cast<int32_t>(iconSize_) - scrollWidth) / 2)));
      rect.Y1(Whole(y + border_ + 2));
      rect.X2(Whole(static_cast<int32_t>(rect.X1()) + static_cast<int32_t>(iconSize_)));
      rect.Y2(Whole(static_cast<int32_t>(rect.Y1()) + static_cast<int32_t>(iconSize_)));
      DrawShortCutItem(shortCut->Icon(), rect, shortCut->Enabled() ? EnabledLook | 1 : 1);

      const std::string& caption = shortCut->Caption();
      canvas.SetCurrentX(
          Whole(Larger(0, (canvasWidth - canvas.TextWidth(caption) - scrollWidth) / 2)));
      canvas.SetCurrentY(y + static_cast<int32_t>(iconSize_) + border_ + 2 * iconBorder_ + 2);
      if (shortCut->Enabled()) {
        canvas.Print(caption);
      } else {
        const Colour text = canvas.ForeColor();
        canvas.SetForeColor(ShadeColour(canvas.BackColor(), 0));
        canvas.Print(caption);
        canvas.SetForeColor(text);
      }
    }
    below = true;
  }
}

void cntTabrill::DrawShortCutItem(const Platform::Picture& Icon, const clsRect& Rect,
                                  int32_t Style) {
  Platform::Surface& canvas = CanvasSurface();
  if ((Style & EnabledLook) == 0) {
    canvas.DrawPicture(Icon, Rect.X1(), Rect.Y1(), true);
    return;
  }
  const int32_t left = Rect.X1() - iconBorder_, top = Rect.Y1() - iconBorder_;
  const int32_t right = Rect.X2() + iconBorder_, bottom = Rect.Y2() + iconBorder_;
  const Colour back = canvas.BackColor();
  canvas.Line(left, top, right, bottom, back, Platform::LineShape::FilledBox);
  canvas.DrawPicture(Icon, Rect.X1(), Rect.Y1());
  const int32_t frame = Style & 3;
  if (Appearance() == AppearanceFlat) {
    if (frame == Raised || frame == Sunken)
      ShadeIcon(Rect.X1(), Rect.Y1(), Rect.X2(), Rect.Y2(), frame == Sunken ? 1 : 0);
    return;
  }
  if (frame != Raised && frame != Sunken) {
    canvas.Line(left, top, right, bottom, back, Platform::LineShape::Box);
    return;
  }
  const Colour lit = frame == Raised ? lightShadow_ : darkShadow_;
  const Colour shade = frame == Raised ? darkShadow_ : lightShadow_;
  canvas.Line(left, top, right, top, lit);
  canvas.Line(left, top, left, bottom, lit);
  canvas.Line(left, bottom, right, bottom, shade);
  canvas.Line(right, bottom, right, top, shade);
}

void cntTabrill::ShadeIcon(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t Darker) {
  Platform::Surface& canvas = CanvasSurface();
  const auto back = static_cast<int32_t>(Platform::ToRgb(canvas.BackColor()));
  // Every pixel is read before any is written: one pass over the drawing
  // rather than one per pixel.
  struct Shaded {
    int32_t x, y;
    Colour colour;
  };
  std::vector<Shaded> shaded;
  for (int32_t x = X1; x <= X2; ++x) {
    for (int32_t y = Y1; y <= Y2; ++y) {
      const int32_t pixel = canvas.Point(x, y);
      if (pixel != back && pixel != -1) shaded.push_back({x, y, ShadeColour(pixel, Darker)});
    }
  }
  for (const Shaded& pixel : shaded) canvas.PSet(pixel.x, pixel.y, pixel.colour);
}

Colour cntTabrill::ShadeColour(Colour Colour, int32_t Darker) {
  const uint32_t rgb = Platform::ToRgb(Colour);
  const int red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
  if (Darker != 0) return Platform::RGB(red * 3 / 4, green * 3 / 4, blue * 3 / 4);
  return Platform::RGB(red + (255 - red) / 4, green + (255 - green) / 4, blue + (255 - blue) / 4);
}

}  // namespace Quillon
