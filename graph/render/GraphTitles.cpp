// The chart's frame: fonts of its texts, the surround, the title bar and the
// legend.

#include "graph/model/GraphRegion.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"

namespace Dravex {

namespace {

constexpr GraphColour Red = 0x020000FF;

}  // namespace

void Graph::SetDrawFont(const GraphText& text) {
  Platform::Surface& surface = DrawingSurface();
  // A font the surface does not have keeps the one it has.
  surface.SetFontName(text.Font());
  surface.SetFontBold(text.Bold());
  surface.SetForeColor(text.Colour());
  surface.SetFontSize(text.Size());
  surface.SetFontItalic(text.Italic());
  surface.SetFontStrikethru(text.StrikeOut());
  surface.SetFontUnderline(text.UnderLine());
}

void Graph::DrawBorders() {
  Platform::Surface& surface = DrawingSurface();
  const auto regions = Regions();
  const GraphRegion& plot = *regions->Item("Graph");
  const GraphRegion& window = *regions->Item("Window");
  const float top = plot.Y1() - spacingUnit_;
  const auto band = [&surface, this](float x1, float y1, float x2, float y2) {
    surface.Line(x1, y1, x2, y2, surroundColour_, Platform::LineShape::FilledBox);
  };
  surface.SetDrawStyle(Platform::DrawStyles::Transparent);
  // Each band reaches one unit into the plot area's edge, so that nothing
  // drawn past the edge shows.
  band(window.X1() - 1, window.Y1() - 1, window.X2() + 1, top + 1);
  band(window.X1() - 1, plot.Y2() - 1, window.X2() + 1, window.Y2() + 1);
  band(window.X1() - 1, top - 1, plot.X1() + 1, plot.Y2() + 1);
  band(plot.X2() - 1, top - 1, window.X2() + 1, plot.Y2() + 1);
  surface.SetDrawStyle(Platform::DrawStyles::Solid);
}

void Graph::DrawMain() {
  Platform::Surface& surface = DrawingSurface();
  const GraphRegion& main = *Regions()->Item("Main");
  const float u = spacingUnit_;
  surface.Line(main.X1(), main.Y1(), main.X2(), main.Y2(), Red, Platform::LineShape::FilledBox);

  const auto prefix = MainPrefix();
  SetDrawFont(*prefix);
  surface.SetCurrentX(main.X1());
  surface.SetCurrentY(main.Y1() + u / 2);
  surface.Print(" " + prefix->Text());

  // The title follows the prefix on the same line, in its own font.
  const auto title = MainTitle();
  SetDrawFont(*title);
  surface.SetCurrentY(main.Y1() + u / 2);
  surface.PrintLine(title->Text());

  // The sub title's bottom is level with the title line's.
  const auto subTitle = SubTitle();
  SetDrawFont(*subTitle);
  surface.SetCurrentX(main.X2() - surface.TextWidth(subTitle->Text() + " "));
  surface.SetCurrentY(surface.CurrentY() - surface.TextHeight(subTitle->Text()));
  surface.PrintLine(subTitle->Text());
}

void Graph::DrawLegend() {
  Platform::Surface& surface = DrawingSurface();
  const GraphRegion& legend = *Regions()->Item("Legend");
  const float u = spacingUnit_;
  surface.Line(legend.X1(), legend.Y1(), legend.X2(), legend.Y1(), Red);

  surface.SetCurrentX(legend.X1());
  const auto legendText = Required(legendText_);
  SetDrawFont(*legendText);
  const double h = surface.TextHeight(" ");
  surface.SetCurrentY(legend.Y1() - surface.TextHeight(legendText->Text()));
  surface.PrintLine(legendText->Text());
  surface.SetCurrentY(legend.Y1() + u);

  // Every series has its line, shown or not; entries that do not fit run on
  // below the legend.
  const bool bothAxes = YAxis(1)->Enabled() && YAxis(2)->Enabled();
  for (const Runtime::Variant& item : *Series()->Col()) {
    const auto series = ObjectFrom<GraphSeries>(item);
    const double y = surface.CurrentY();
    SetShapeStyle(*series);
    if (series->SeriesStyle() == SeriesStyleType::BarGraph) {
      const double x = legend.X1() + u / 2;
      surface.Line(x, y + h / 4, x + u, y + h / 4 + h / 2, Platform::LineShape::FilledBox);
    } else {
      surface.Line(legend.X1(), y + h / 2, legend.X1() + 2 * u, y + h / 2);
      DrawPoint(series->PointStyle(), legend.X1() + u, static_cast<float>(y + h / 2));
    }
    surface.SetCurrentY(y);
    SetDrawFont(*legendText);
    surface.SetCurrentX(legend.X1() + 2.5 * u);
    surface.PrintLine(LegendEntry(*series, bothAxes));
  }
}

}  // namespace Dravex
