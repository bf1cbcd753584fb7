// The scaling of the Y axes and the drawing of all three axes.

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "common/StringFunctions.h"
#include "graph/model/GraphRegion.h"
#include "graph/model/MathsFunctions.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"
#include "graph/render/GraphPoints.h"
#include "graph/render/RotatedText.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Format.h"

namespace Dravex {

namespace {

constexpr double Root2 = 1.4142135623730951;

// Screen and printer alike take the turned texts' corners in whole units.
int32_t Whole(double value) {
  return static_cast<int32_t>(std::nearbyint(value));
}

}  // namespace

float Graph::RoundAxisLimit(float value, Rounding direction) {
  const int sign = static_cast<int>(direction);
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude == 0) return static_cast<float>(sign);
  if (magnitude <= 10) return static_cast<float>(sign * 10);
  const double decade = std::floor(Runtime::CDbl(
      MathsFunctions::LogBase(Runtime::Variant(magnitude), Runtime::Variant(int16_t{10}))));
  const double unit = std::pow(10.0, decade);
  const double units = value / unit;
  // Strictly beyond the value either way, as 100 rounds up to 200 and down
  // to 0: a limit never sits on the extreme it bounds.
  const double rounded =
      direction == Rounding::RoundUp ? std::floor(units) + 1 : std::ceil(units) - 1;
  return static_cast<float>(rounded * unit);
}

GraphStatistics::PlotWindow::Scale Graph::AxisScale(int16_t axisNumber) const {
  const auto axis = YAxis(axisNumber);
  struct Plotted {
    SeriesStyleType style;
    bool stacked;
    std::vector<const GraphValue*> points;
  };
  std::vector<Plotted> plotted;
  size_t longest = 0;
  for (const Runtime::Variant& item : *Series()->Col()) {
    const auto series = ObjectFrom<GraphSeries>(item);
    if (static_cast<int32_t>(series->WhichAxis()) != axisNumber) continue;
    plotted.push_back({series->SeriesStyle(), series->Stacked(), GraphPoints::Of(*series)});
    longest = std::max(longest, plotted.back().points.size());
  }

  float max = 0;
  float min = 0;
  bool first = true;
  const auto contribute = [&](float value) {
    if (first) {
      max = min = value;
      first = false;
    } else {
      max = std::max(max, value);
      min = std::min(min, value);
    }
  };
  for (size_t j = 0; j < longest; ++j) {
    // Only a stack's total at a position counts, lines and bars apart.
    std::optional<double> lineStack;
    std::optional<double> barStack;
    for (const Plotted& series : plotted) {
      if (series.points.size() <= j) continue;
      const GraphValue& point = *series.points[j];
      float value = 0;
      if (series.style == SeriesStyleType::XYGraph) {
        if (GraphPoints::Number(point.X(), value)) contribute(value);
        continue;
      }
      if (!GraphPoints::Number(point.Y(), value)) continue;
      if (!series.stacked) {
        contribute(value);
      } else if (series.style == SeriesStyleType::LineGraph) {
        lineStack = lineStack.value_or(0) + value;
      } else if (series.style == SeriesStyleType::BarGraph) {
        barStack = barStack.value_or(0) + value;
      }
    }
    if (lineStack) contribute(static_cast<float>(*lineStack));
    if (barStack) contribute(static_cast<float>(*barStack));
  }

  GraphStatistics::PlotWindow::Scale scale{axis->Min(), axis->Max()};
  if (axis->AutomaticMax()) scale.Max = RoundAxisLimit(max, Rounding::RoundUp);
  if (axis->AutomaticMin()) scale.Min = RoundAxisLimit(min, Rounding::RoundDown);
  return scale;
}

void Graph::SetUpAxes() {
  for (int16_t n = 1; n <= 2; ++n) {
    const auto axis = YAxis(n);
    const GraphStatistics::PlotWindow::Scale scale = AxisScale(n);
    axis->Max(scale.Max);
    axis->Min(scale.Min);
    axis->CreateDecimals();
  }
}

void Graph::DrawYAxes() {
  Platform::Surface& surface = DrawingSurface();
  const float u = spacingUnit_;
  surface.SetDrawStyle(Platform::DrawStyles::Solid);
  for (int16_t n = 1; n <= 2; ++n) {
    const auto axis = YAxis(n);
    if (!axis->Enabled()) continue;
    const float s = n == 1 ? 1.0f : -1.0f;
    const GraphRegion& band = *Regions()->Item(n == 1 ? "Y1" : "Y2");

    // Line, ticks and labels in the title's font and colour.
    const auto title = axis->Title();
    SetDrawFont(*title);
    const float edge = band.X2() + s * u;
    surface.Line(edge, band.Y1(), edge, band.Y2());

    const int16_t majorTicks = axis->MajorTicks();
    const int16_t minorTicks = axis->MinorTicks();
    if (majorTicks == 0) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);
    const float step = (band.Y2() - band.Y1()) / majorTicks;
    const float min = axis->Min();
    const float max = axis->Max();
    for (int32_t c = 0; c <= majorTicks; ++c) {
      const float yc = band.Y2() - static_cast<float>(c) * step;
      surface.Line(band.X2() + s * u / 4, yc, edge, yc);
      if (c < majorTicks) {
        for (int32_t i = 1; i <= minorTicks; ++i) {
          const float y = yc - static_cast<float>(i) * step / static_cast<float>(minorTicks + 1);
          surface.Line(band.X2() + s * u / 2, y, edge, y);
        }
      }
      const float value = min + static_cast<float>(c) * (max - min) / majorTicks;
      const std::string label = Runtime::Format(Runtime::Variant(value), axis->Decimals());
      // Against the band's inner edge: right-aligned left of the plot, left-aligned right of it.
      surface.SetCurrentX(n == 1 ? band.X2() - surface.TextWidth(label) : band.X2());
      surface.SetCurrentY(yc - surface.TextHeight(label) / 2);
      surface.PrintLine(label);
    }

    // The title runs upwards, centred on the band.
    const std::string& text = title->Text();
    surface.SetCurrentX(n == 1 ? band.X1() : band.X1() - surface.TextHeight(text));
    surface.SetCurrentY(band.Y1() + (surface.TextWidth(text) + (band.Y2() - band.Y1())) / 2);
    DrawRotatedText(surface, text, Runtime::Variant(int16_t{90}), Whole(surface.CurrentX()),
                    Whole(surface.CurrentY()));
    surface.SetDrawWidth(1);
  }
}

void Graph::DrawXAxis() {
  Platform::Surface& surface = DrawingSurface();
  const auto regions = Regions();
  const GraphRegion& plot = *regions->Item("Graph");
  const GraphRegion& bottom = *regions->Item("X");
  const GraphRegion& window = *regions->Item("Window");
  const float u = spacingUnit_;

  surface.SetDrawStyle(Platform::DrawStyles::Solid);
  surface.Line(plot.X1(), plot.Y2(), plot.X2(), plot.Y2());

  // The foot note: its first line centred on the window, the others one unit
  // in from its left; a blank line ends it.
  const auto footNote = FootNote();
  const std::string& note = footNote->Text();
  double noteHeight = 0;
  if (!note.empty() && displayFootNote_) {
    SetDrawFont(*footNote);
    noteHeight = surface.TextHeight(note);
    surface.Line(window.X1() + u, bottom.Y2() - noteHeight, window.X2() - u, bottom.Y2(),
                 backGround_, Platform::LineShape::FilledBox);
    surface.SetCurrentY(bottom.Y2() - noteHeight);
    const Runtime::CollectionRef lines = Common::SplitToCollection(note, "\r\n", "");
    for (int32_t k = 1; k <= lines->Count(); ++k) {
      const std::string line = Runtime::CStr(lines->Item(Runtime::Variant(k)));
      if (line.empty()) break;
      surface.SetCurrentX(k == 1 ? window.X1() +
                                       ((window.X2() - window.X1()) - surface.TextWidth(line)) / 2
                                 : window.X1() + u);
      surface.PrintLine(line);
    }
  }

  const auto xAxis = XAxis();
  const auto title = xAxis->Title();
  if (!title->Text().empty()) {
    SetDrawFont(*title);
    surface.SetCurrentX(bottom.X1() +
                        ((bottom.X2() - bottom.X1()) - surface.TextWidth(title->Text())) / 2);
    surface.SetCurrentY(bottom.Y2() - surface.TextHeight(title->Text()) - noteHeight);
    surface.PrintLine(title->Text());
  }

  const GraphCoordinates coordinates = Coordinates();
  const int32_t first = xAxis->First();
  const int32_t width = xAxis->Width();
  const LabelOrientaionType orientation = xAxis->LabelOrientation();
  if (xAxis->LabelEveryAutomatic() && width > 1 &&
      orientation != LabelOrientaionType::LabelHorizontal) {
    const double gap =
        coordinates.X(static_cast<float>(first + 1)) - coordinates.X(static_cast<float>(first));
    // A window of no width has no room to space labels in.
    if (gap > 0)
      xAxis->LabelEvery(Count16(static_cast<int32_t>(1 + surface.TextHeight(" ") / gap)));
  }
  const int32_t every = xAxis->LabelEvery();
  if (every == 0) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);

  const auto labels = xAxis->Labels();
  const int32_t labelCount = labels->Count();
  for (int32_t i = first; i <= first + width - 1; ++i) {
    const float x = coordinates.X(static_cast<float>(i));
    surface.Line(x, bottom.Y1(), x, bottom.Y1() - u);
    if ((i - first) % every != 0 || labelCount < i || i < 1) continue;
    const std::string& label = labels->Item(Runtime::Variant(i))->Label();
    if (orientation == LabelOrientaionType::LabelHorizontal) {
      surface.SetCurrentY(bottom.Y1());
      surface.SetCurrentX(x - surface.TextWidth(label) / 2);
      surface.PrintLine(label);
    } else if (orientation == LabelOrientaionType::LabelDiagonal) {
      // The label rises to the right and ends at its tick.
      const double w = surface.TextWidth(label) / Root2;
      surface.SetCurrentX(x - w);
      surface.SetCurrentY(bottom.Y1() + w);
      DrawRotatedText(surface, label, Runtime::Variant(int16_t{45}), Whole(surface.CurrentX()),
                      Whole(surface.CurrentY()));
    }
  }
}

}  // namespace Dravex
