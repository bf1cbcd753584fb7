// The plotting of the series: bars, lines, XY series and value captions.

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "graph/model/GraphRegion.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"
#include "graph/render/GraphPoints.h"
#include "runtime/Conversions.h"

namespace Dravex {

namespace {

constexpr GraphColour Yellow = 0x0200FFFF;
constexpr GraphColour Red = 0x020000FF;

// A series as one drawing pass reads it.
struct Plotted {
  std::shared_ptr<GraphSeries> series;
  std::vector<const GraphValue*> points;
  int axis = 1;        // WhichAxis
  bool shown = false;  // visible, on an enabled axis
  bool stacked = false;
  SeriesStyleType style = SeriesStyleType::LineGraph;
  int barSlot = 0;  // 1-based bar position in an X slot; bars only
  // The top of the series' pile at the position drawn last (stacked lines).
  float stackTop = 0;

  // The value at position i when the series is drawn there.
  bool ValueAt(int32_t i, float& value) const {
    if (!shown) return false;
    const GraphValue* point = GraphPoints::At(points, i);
    return point != nullptr && GraphPoints::Number(point->Y(), value);
  }
};

// The running totals of stacked values at one position, per axis.
struct Stacks {
  std::array<float, 2> sum{};
  float& operator[](int axis) { return sum[axis == 2 ? 1 : 0]; }
};

// The warning (yellow) and then the error (red) marks of a value: the box
// from (x1, y1) to (x2, y2), crossed by its diagonals when asked.
void DrawMarks(Platform::Surface& surface, int32_t mode, float x1, float y1, float x2, float y2,
               bool diagonals) {
  for (const auto& [bit, colour] : {std::pair{2, Yellow}, std::pair{4, Red}}) {
    if ((mode & bit) == 0) continue;
    surface.Line(x1, y1, x2, y2, colour, Platform::LineShape::Box);
    if (diagonals) {
      surface.Line(x1, y1, x2, y2, colour);
      surface.Line(x1, y2, x2, y1, colour);
    }
  }
}

}  // namespace

void Graph::DrawSeries(bool skipBars) {
  Platform::Surface& surface = DrawingSurface();
  const GraphCoordinates at = Coordinates();
  const float u = spacingUnit_;
  const int32_t first = at.First();
  const int32_t last = first + at.Width() - 1;

  std::vector<Plotted> plotted;
  for (const Runtime::Variant& item : *Series()->Col()) {
    Plotted p;
    p.series = ObjectFrom<GraphSeries>(item);
    const GraphSeries& series = *p.series;
    p.axis = static_cast<int>(series.WhichAxis());
    p.style = series.SeriesStyle();
    p.stacked = series.Stacked();
    p.shown = series.Visible() && YAxis(static_cast<int16_t>(p.axis))->Enabled();
    if (p.shown) p.points = GraphPoints::Of(series);
    plotted.push_back(std::move(p));
  }

  // Bar layout: one pile per axis for the stacked bars, then the others side
  // by side, all within 0.6 of a position's width.
  std::array<bool, 2> stackFree{true, true};
  int32_t barCount = 0;
  const auto isBar = [](const Plotted& p) {
    return p.shown && p.style == SeriesStyleType::BarGraph;
  };
  for (const Plotted& p : plotted) {
    if (!isBar(p)) continue;
    if (!p.stacked) {
      ++barCount;
    } else if (stackFree[p.axis - 1]) {
      stackFree[p.axis - 1] = false;
      ++barCount;
    }
  }
  const int piles = (stackFree[0] ? 0 : 1) + (stackFree[1] ? 0 : 1);
  int32_t given = 0;
  for (Plotted& p : plotted) {
    if (isBar(p) && !p.stacked) p.barSlot = ++given + piles;
  }
  for (Plotted& p : plotted) {
    if (isBar(p) && p.stacked) p.barSlot = stackFree[p.axis == 1 ? 1 : 0] ? 1 : p.axis;
  }
  const GraphRegion& plot = *Regions()->Item("Graph");
  const float groupWidth = at.Width() < 1 ? 0 : 0.6f * (plot.X2() - plot.X1()) / at.Width();
  const float barWidth = barCount == 0 ? 0 : groupWidth / static_cast<float>(barCount);
  const auto barLeft = [&](const Plotted& p, float x) {
    return x - groupWidth / 2 + static_cast<float>(p.barSlot - 1) * barWidth;
  };

  float value = 0;
  for (int32_t i = first; i <= last; ++i) {
    Stacks stacks;
    const float x = at.X(static_cast<float>(i));
    for (Plotted& p : plotted) {
      SetShapeStyle(*p.series);
      if (p.style != SeriesStyleType::BarGraph || !p.ValueAt(i, value)) continue;
      const float left = barLeft(p, x);
      const float right = left + barWidth;
      float bottom = at.Y(0, p.axis);
      float top = at.Y(value, p.axis);
      if (p.stacked) {
        bottom = at.Y(stacks[p.axis], p.axis);
        top = at.Y(stacks[p.axis] + value, p.axis);
        stacks[p.axis] += value;
      }
      if (!skipBars) surface.Line(left, bottom, right, top, Platform::LineShape::FilledBox);
      surface.SetFillStyle(Platform::FillStyles::Transparent);
      const int32_t mode = GraphPoints::At(p.points, i)->ValueMode();
      if (mode > 0) DrawMarks(surface, mode, left, bottom, right, top, true);
    }
  }

  surface.SetDrawWidth(2);
  for (int32_t i = first; i <= last; ++i) {
    Stacks stacks;
    const float x = at.X(static_cast<float>(i));
    for (Plotted& p : plotted) {
      SetShapeStyle(*p.series);
      if (p.style != SeriesStyleType::LineGraph || !p.ValueAt(i, value)) continue;
      float y = at.Y(value, p.axis);
      if (p.stacked) {
        stacks[p.axis] += value;
        y = at.Y(stacks[p.axis], p.axis);
      }
      DrawPoint(p.series->PointStyle(), x, y);
      surface.SetFillStyle(Platform::FillStyles::Transparent);
      const int32_t mode = GraphPoints::At(p.points, i)->ValueMode();
      if (mode > 0) DrawMarks(surface, mode, x - u, y - u, x + u, y + u, false);
      SetShapeStyle(*p.series);
      // Back to the previous point; a missing one leaves a gap. A stacked
      // line meets its previous point on the pile as drawn there.
      float previous = 0;
      if (i > first && p.ValueAt(i - 1, previous)) {
        const float py = at.Y(p.stacked ? p.stackTop : previous, p.axis);
        surface.Line(x, y, at.X(static_cast<float>(i - 1)), py);
      }
      p.stackTop = stacks[p.axis];
    }
  }

  // XY series, point by point in their own order: a value's Y is its X
  // position and its X the value on the axis. A point missing either is
  // left out, with the lines to it.
  for (Plotted& p : plotted) {
    if (p.style != SeriesStyleType::XYGraph || !p.shown) continue;
    SetShapeStyle(*p.series);
    bool joined = false;
    float px = 0;
    float py = 0;
    for (const GraphValue* point : p.points) {
      float position = 0;
      float level = 0;
      if (!GraphPoints::Number(point->Y(), position) || !GraphPoints::Number(point->X(), level)) {
        joined = false;
        continue;
      }
      const float x = at.X(position);
      const float y = at.Y(level, p.axis);
      DrawPoint(p.series->PointStyle(), x, y);
      if (joined) surface.Line(x, y, px, py);
      px = x;
      py = y;
      joined = true;
    }
  }

  // Value captions. Stacked lines and stacked bars keep their totals apart,
  // as they are drawn.
  for (int32_t i = first; i <= last; ++i) {
    Stacks lineStacks;
    Stacks barStacks;
    const float x = at.X(static_cast<float>(i));
    for (Plotted& p : plotted) {
      SetShapeStyle(*p.series);
      if (!p.ValueAt(i, value)) continue;
      float y = at.Y(value, p.axis);
      if (p.stacked && p.style != SeriesStyleType::XYGraph) {
        Stacks& stacks = p.style == SeriesStyleType::BarGraph ? barStacks : lineStacks;
        stacks[p.axis] += value;
        y = at.Y(stacks[p.axis], p.axis);
      }
      const GraphSeries& series = *p.series;
      if (series.ShowValue() != ShowValueType::MultipleFixed) continue;
      const double scale = std::pow(10.0, series.ShowValueDecimals());
      const double shown =
          std::floor(Runtime::CDbl(GraphPoints::At(p.points, i)->Y()) * scale) / scale;
      const std::string text = " " + Runtime::CStr(Runtime::Variant(shown));
      const double textWidth = surface.TextWidth(text);
      surface.SetCurrentX(p.style == SeriesStyleType::BarGraph
                              ? barLeft(p, x) + barWidth / 2 - textWidth / 2
                              : x - textWidth / 2);
      surface.SetCurrentY(series.ShowValueWhere() != ShowValueWhereType::ValueTop
                              ? y + u
                              : y - u - surface.TextHeight(text));
      surface.PrintLine(text);
    }
  }
  surface.SetDrawWidth(1);
}

}  // namespace Dravex
