#include "viewer/datemacros/DateMacroIcons.h"

#include "platform/gui/Application.h"
#include "platform/gui/ImageSurface.h"

namespace Kordex::DateMacroIcons {

namespace {

constexpr int Size = 32;

// A page with a red binding band, two rings and a grid of days, one of them
// marked.
void DrawPage(Platform::ImageSurface& surface) {
  const Platform::Colour outline = Platform::RGB(64, 64, 64);
  const Platform::Colour band = Platform::RGB(200, 36, 36);
  const Platform::Colour day = Platform::RGB(120, 120, 140);
  surface.SetBackColor(Platform::RGB(192, 192, 192));
  surface.Line(3, 5, 28, 29, Platform::RGB(255, 255, 255), Platform::LineShape::FilledBox);
  surface.Line(3, 5, 28, 11, band, Platform::LineShape::FilledBox);
  surface.Line(3, 5, 28, 29, outline, Platform::LineShape::Box);
  for (int x : {9, 22}) surface.Line(x, 2, x + 1, 7, outline, Platform::LineShape::FilledBox);
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 5; ++col) {
      const double x = 6 + col * 4.5;
      const double y = 14 + row * 4;
      surface.Line(x, y, x + 2, y + 1, day, Platform::LineShape::FilledBox);
    }
  }
  surface.Line(14.5, 17.5, 17.5, 19.5, band, Platform::LineShape::Box);
}

Platform::Picture Draw(bool withPencil) {
  Platform::EnsureApplication();
  Platform::ImageSurface surface(Size, Size);
  surface.SetFillStyle(Platform::FillStyles::Transparent);
  DrawPage(surface);
  if (withPencil) {
    // A yellow pencil lying across the page, its point at the bottom left.
    surface.SetDrawWidth(5);
    surface.Line(13, 25, 29, 9, Platform::RGB(235, 190, 40));
    surface.SetDrawWidth(2);
    surface.Line(27, 8, 30, 11, Platform::RGB(230, 120, 130));
    surface.Line(11, 24, 14, 27, Platform::RGB(60, 40, 20));
    surface.SetDrawWidth(1);
  }
  return surface.Image();
}

}  // namespace

Platform::Picture Calendar() {
  static const Platform::Picture picture = Draw(false);
  return picture;
}

Platform::Picture CalendarEdit() {
  static const Platform::Picture picture = Draw(true);
  return picture;
}

}  // namespace Kordex::DateMacroIcons
