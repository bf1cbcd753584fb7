// The drawing of a whole chart: its order, the layout of the regions and the
// plot area.

#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/model/GraphRegion.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"
#include "graph/render/GraphPoints.h"
#include "runtime/Error.h"
#include "runtime/Format.h"

namespace Dravex {

namespace {

constexpr double Root2 = 1.4142135623730951;

// The depth a label of that orientation takes below its position; other
// orientations take none.
double LabelExtent(Platform::Surface& surface, const std::string& label,
                   LabelOrientaionType orientation) {
  switch (orientation) {
    case LabelOrientaionType::LabelHorizontal: return surface.TextHeight(label);
    case LabelOrientaionType::LabelDiagonal:
      return surface.TextHeight(label) / Root2 + surface.TextWidth(label) / Root2;
    case LabelOrientaionType::LabelVertical: return surface.TextWidth(label);
  }
  return 0;
}

}  // namespace

Platform::Surface& Graph::DrawingSurface() const {
  if (!drawingSurface_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return *drawingSurface_;
}

std::string Graph::LegendEntry(const GraphSeries& series, bool bothAxes) const {
  const std::string& title = series.Title()->Text();
  if (!bothAxes) return title;
  const auto axis = YAxis(static_cast<int16_t>(series.WhichAxis()));
  return title + "(" + axis->Name() + ")";
}

void Graph::Draw(bool drawTitleBar) {
  if (!localDraw_) return;
  // Trend lines are fitted to the axes as this drawing scales them: the
  // statistics come before the scaling, and the axes' limits as they stand
  // are the last drawing's (or nothing, on a new chart).
  GraphStatistics::PlotWindow window = GraphStatistics::CurrentPlotWindow(*this);
  window.YScale = {AxisScale(1), AxisScale(2)};
  SetUpStats(window);
  CheckAlarms();
  SetUpAxes();
  SetUpRegions(drawTitleBar);
  DrawGraph();
  DrawBorders();
  if (drawTitleBar) DrawMain();
  DrawLegend();
  DrawYAxes();
  DrawXAxis();
  DrawLogo();
  // The Canvas keeps the drawing as its picture, so that it survives a repaint.
  Platform::Surface& surface = DrawingSurface();
  if (&surface == Canvas().Surface().get()) surface.SetPicture(surface.Image());
}

void Graph::SetUpRegions(bool drawTitleBar) {
  Platform::Surface& surface = DrawingSurface();
  const auto regions = Regions();
  GraphRegion& window = *regions->Item("Window");
  GraphRegion& main = *regions->Item("Main");
  GraphRegion& legend = *regions->Item("Legend");
  GraphRegion& plot = *regions->Item("Graph");
  GraphRegion& bottom = *regions->Item("X");
  const auto th = [&surface](const std::string& text) {
    return static_cast<float>(surface.TextHeight(text));
  };
  const auto tw = [&surface](const std::string& text) {
    return static_cast<float>(surface.TextWidth(text));
  };

  window.X1(0);
  window.Y1(0);
  window.X2(static_cast<float>(surface.ScaleWidth()));
  window.Y2(static_cast<float>(surface.ScaleHeight()));
  const float u = (window.X2() - window.X1()) / 150;
  spacingUnit_ = u;

  main.Y1(window.Y1() + u);
  if (drawTitleBar) {
    SetDrawFont(*MainTitle());
    main.Y2(main.Y1() + u + th(MainPrefix()->Text() + MainTitle()->Text()));
  } else {
    main.Y2(main.Y1());
  }

  // The bottom band, from the bottom up: foot note, X-axis title, labels.
  bottom.Y2(window.Y2() - u);
  bottom.Y1(bottom.Y2());
  const auto footNote = FootNote();
  SetDrawFont(*footNote);
  if (displayFootNote_ && !footNote->Text().empty()) {
    bottom.Y1(bottom.Y1() - th(footNote->Text()));
  }
  const auto xAxis = XAxis();
  SetDrawFont(*xAxis->Title());
  if (!xAxis->Title()->Text().empty()) bottom.Y1(bottom.Y1() - th(xAxis->Title()->Text()));

  const auto labels = xAxis->Labels();
  const int32_t labelCount = labels->Count();
  const int32_t first = xAxis->First();
  const int32_t last = std::min(labelCount, first + xAxis->Width() - 1);
  const LabelOrientaionType orientation = xAxis->LabelOrientation();
  double depth = 0;
  for (int32_t i = std::max(first, 1); i <= last; ++i) {
    depth = std::max(depth,
                     LabelExtent(surface, labels->Item(Runtime::Variant(i))->Label(), orientation));
  }
  bottom.Y1(bottom.Y1() - static_cast<float>(depth));

  const auto legendText = Required(legendText_);
  SetDrawFont(*legendText);
  legend.X2(window.X2() - u);
  legend.Y1(drawTitleBar ? main.Y2() + u : main.Y2() + u + th(legendText->Text()));
  legend.Y2(bottom.Y1() - u);
  const bool bothAxes = YAxis(1)->Enabled() && YAxis(2)->Enabled();
  float legendWidth = tw(legendText->Text());
  for (const Runtime::Variant& item : *Series()->Col()) {
    const auto series = ObjectFrom<GraphSeries>(item);
    legendWidth = std::max(legendWidth, tw(LegendEntry(*series, bothAxes)) + 2.5f * u);
  }
  legend.X1(legend.X2() - legendWidth);

  for (int16_t n = 1; n <= 2; ++n) {
    const auto axis = YAxis(n);
    GraphRegion& band = *regions->Item(n == 1 ? "Y1" : "Y2");
    SetDrawFont(*axis->Title());
    band.X1(window.X1() + u);
    band.Y1(main.Y2() + u);
    if (axis->Enabled()) {
      const std::string& title = axis->Title()->Text();
      band.X2(title.empty() ? band.X1() : band.X1() + th(title));
      axis->CreateDecimals();
      band.X2(band.X2() + tw(Runtime::Format(Runtime::Variant(axis->Max()), axis->Decimals())) + u);
    } else {
      band.X2(band.X1());
    }
    band.Y2(bottom.Y1() - u);
    if (n == 2) {
      // The second band mirrors the first about the legend's left edge.
      band.X1(legend.X1() - band.X1());
      band.X2(legend.X1() - band.X2());
    }
  }
  GraphRegion& y1 = *regions->Item("Y1");
  GraphRegion& y2 = *regions->Item("Y2");

  // Room for the first label's left half (in the font current now). With no
  // positions in the window there is no first label to make room for.
  if (labelCount >= first && first >= 1 && xAxis->Width() >= 1) {
    const float p = (y2.X2() - y1.X2()) / xAxis->Width() + y1.X1();
    const std::string& label = labels->Item(Runtime::Variant(first))->Label();
    float half = 0;
    if (orientation == LabelOrientaionType::LabelDiagonal) {
      half = static_cast<float>(tw(label) / Root2);
    } else if (orientation == LabelOrientaionType::LabelHorizontal) {
      half = tw(label) / 2;
    }
    if (p - half < 0) {
      y1.X1(y1.X1() + half - p);
      y1.X2(y1.X2() + half - p);
    }
  }

  plot.X1(y1.X2() + u);
  plot.X2(y2.X2() - u);
  plot.Y1(main.Y2() + u);
  plot.Y2(bottom.Y1() - u);
  main.X1(plot.X1());
  main.X2(plot.X2());
  bottom.X1(plot.X1());
  bottom.X2(plot.X2());
}

void Graph::DrawGraph() {
  Platform::Surface& surface = DrawingSurface();
  // The printer's page is not cleared: it may hold more than the chart.
  if (surface.TypeName() != "Printer") surface.Cls();
  const GraphRegion& plot = *Regions()->Item("Graph");
  // The background starts one unit above the plot area.
  surface.Line(plot.X1(), plot.Y1() - spacingUnit_, plot.X2(), plot.Y2(), backGround_,
               Platform::LineShape::FilledBox);
  DrawNullSpace();
  DrawSections(SectionFloatType::Behind);
  switch (graphType_) {
    case GraphType::TwoD: DrawSeries(false); break;
    case GraphType::ThreeD: DrawThreeD(); break;
    case GraphType::Pie: DrawPie(); break;
  }
  DrawSections(SectionFloatType::Front);
}

void Graph::DrawNullSpace() {
  Platform::Surface& surface = DrawingSurface();
  const auto xAxis = XAxis();
  const int32_t first = xAxis->First();
  const int32_t last = first + xAxis->Width() - 1;
  if (last < first) return;

  // Every series but the XY ones fills positions, shown or not.
  std::vector<std::vector<const GraphValue*>> filling;
  for (const Runtime::Variant& item : *Series()->Col()) {
    const auto series = ObjectFrom<GraphSeries>(item);
    if (series->SeriesStyle() != SeriesStyleType::XYGraph) {
      filling.push_back(GraphPoints::Of(*series));
    }
  }
  const auto filled = [&filling](int32_t position) {
    return std::any_of(filling.begin(), filling.end(), [position](const auto& points) {
      const GraphValue* point = GraphPoints::At(points, position);
      return point != nullptr && !point->Y().IsNull();
    });
  };

  const GraphCoordinates coordinates = Coordinates();
  const GraphRegion& plot = *Regions()->Item("Graph");
  const auto style = NullSpace();
  const float u = spacingUnit_;
  int32_t start = 0;
  for (int32_t i = first; i <= last; ++i) {
    // The last position closes a run still open.
    const bool empty = i < last && !filled(i);
    if (empty) {
      if (start == 0) start = i == first ? i : i - 1;
      continue;
    }
    if (start > 0) {
      const float x1 = coordinates.X(static_cast<float>(start)) + u;
      const float x2 = coordinates.X(static_cast<float>(i)) - u;
      surface.SetDrawStyle(style->LineStyle());
      surface.SetFillStyle(style->FillStyle());
      surface.Line(x1, plot.Y1(), x2, plot.Y2(), style->FillColour(),
                   Platform::LineShape::FilledBox);
      surface.SetFillStyle(Platform::FillStyles::Transparent);
      surface.Line(x1, plot.Y1(), x2, plot.Y2(), style->LineColour(), Platform::LineShape::Box);
      start = 0;
    }
  }
}

}  // namespace Dravex
