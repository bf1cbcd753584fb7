#include "graph/render/GraphLogo.h"

#include <map>

#include "platform/gui/Application.h"
#include "platform/gui/ImageSurface.h"

namespace Dravex::GraphLogo {

namespace {

constexpr int Width = 308;
constexpr int Height = 218;

// A small chart of rising bars with a trend line over a rule, and the name
// below it.
Platform::Picture Draw(GraphColour background) {
  Platform::EnsureApplication();
  Platform::ImageSurface surface(Width, Height);
  surface.SetBackColor(background);
  const Platform::Colour navy = Platform::RGB(16, 52, 110);
  const Platform::Colour teal = Platform::RGB(0, 128, 140);
  const Platform::Colour red = Platform::RGB(205, 32, 38);

  const double baseline = 128;
  const int heights[] = {38, 62, 92};
  for (int i = 0; i < 3; ++i) {
    const double left = 82 + i * 52;
    surface.Line(left, baseline - heights[i], left + 36, baseline, i == 2 ? navy : teal,
                 Platform::LineShape::FilledBox);
  }
  surface.SetDrawWidth(3);
  surface.Line(64, baseline + 2, 244, baseline + 2, navy);
  surface.SetDrawWidth(5);
  surface.Line(70, 104, 238, 22, red);
  surface.SetFillStyle(Platform::FillStyles::Solid);
  surface.SetFillColor(red);
  surface.Circle(238, 22, 5, red);

  surface.SetDrawWidth(1);
  surface.SetFontName("Arial");
  surface.SetFontBold(true);
  surface.SetFontSize(30);
  surface.SetForeColor(navy);
  const std::string name = "Dravex";
  surface.SetCurrentX((Width - surface.TextWidth(name)) / 2);
  surface.SetCurrentY(baseline + 14);
  surface.Print(name);
  return surface.Image();
}

}  // namespace

Platform::Picture Picture(GraphColour background) {
  static std::map<GraphColour, Platform::Picture> drawn;
  auto found = drawn.find(background);
  if (found == drawn.end()) found = drawn.emplace(background, Draw(background)).first;
  return found->second;
}

}  // namespace Dravex::GraphLogo
