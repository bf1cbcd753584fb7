#include "graph/model/GraphStatistics.h"

#include <optional>
#include <string>

#include "common/CollectionFunctions.h"
#include "common/MathsFunctions.h"
#include "common/Moments.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/MathsFunctions.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"

namespace Dravex::GraphStatistics {

using Runtime::Variant;

namespace {

// Caption above the line, one blank in from its left end.
constexpr int32_t StatsTitlePosition =
    TitlePositionType::Outside | TitlePositionType::VerticalTop | TitlePositionType::HorizontalLeft;

std::shared_ptr<GraphSeries> SeriesOf(const GraphDataHost& graph, const Variant& series) {
  return Required(graph.Series())->Item(series);
}

// The value of a point that the statistics count: X for an XYGraph series.
Common::ValueOf PlottedValue(const GraphSeries& series) {
  if (series.SeriesStyle() == SeriesStyleType::XYGraph) {
    return [](const Variant& item) { return ObjectFrom<GraphValue>(item)->X(); };
  }
  return [](const Variant& item) { return ObjectFrom<GraphValue>(item)->Y(); };
}

// A series' mean and sample standard deviation. The passes over the points
// are made when a line first needs them and are shared by all the series'
// lines.
class Levels {
 public:
  explicit Levels(const GraphSeries& series) : series_(series) {}
  float Mean() { return Runtime::CSng(Passes().Mean()); }
  float StdDev() { return Runtime::CSng(Passes().StdDev(Common::StdDevSample)); }

 private:
  Common::Moments& Passes() {
    if (!moments_) {
      values_ = series_.Values()->Col();
      moments_.emplace(*values_, PlottedValue(series_));
    }
    return *moments_;
  }

  const GraphSeries& series_;
  Runtime::CollectionRef values_;
  std::optional<Common::Moments> moments_;
};

// A statistics line across the whole chart at y, against the series' axis.
std::shared_ptr<GraphSection> AddLevel(GraphDataHost& graph, const GraphSeries& series,
                                       const std::string& title, std::string key, float y) {
  return AddSection(*Required(graph.Sections()), title, key, Variant(""), Variant(y), Variant(""),
                    Variant(y), series.WhichAxis(), StatsTitlePosition);
}

void Tag(const std::shared_ptr<GraphSection>& added, const std::string& tag) {
  // Only a section made here: when the key was taken, the section under it
  // belongs to someone else (the host, or another series' line) and keeps its
  // tag, so that the next set-up does not remove it.
  if (added) added->Tag(tag);
}

void AddStdDevLine(GraphDataHost& graph, const GraphSeries& series, Levels& levels,
                   const std::string& keyPrefix, int16_t numStdDev, const std::string& name,
                   const std::string& tag) {
  const float y = static_cast<float>(numStdDev) * levels.StdDev() + levels.Mean();
  Tag(AddLevel(graph, series, name, keyPrefix + name, y), tag);
}

void AddMeanLine(GraphDataHost& graph, const GraphSeries& series, Levels& levels,
                 const Variant& title, const std::string& tag) {
  const std::string& seriesTitle = series.Title()->Text();
  if (title.IsString()) {
    Tag(AddLevel(graph, series, title.GetString(), seriesTitle + title.GetString(), levels.Mean()),
        tag);
  } else if (title.IsObject() && !title.IsNothing()) {
    // A picture: the graph's objects carry no type name, so any object given
    // as a title is taken for the picture to show.
    const auto added = AddLevel(graph, series, "", seriesTitle + "Mean", levels.Mean());
    Tag(added, tag);
    if (added) added->Title()->Graphic(title.GetObject());
  }
}

// The caption of a standard-deviation line of the settings: "+2 Std Dev".
std::string StdDevCaption(int16_t k, const std::string& name) {
  return (k > 0 ? "+" : "") + std::to_string(k) + " " + name;
}

}  // namespace

PlotWindow CurrentPlotWindow(const GraphDataHost& graph) {
  PlotWindow window;
  const auto xAxis = Required(graph.XAxis());
  window.First = xAxis->First();
  window.Width = xAxis->Width();
  for (int16_t axis = 1; axis <= 2; ++axis) {
    const auto yAxis = graph.YAxis(axis);
    window.YScale[axis - 1] = {yAxis->Min(), yAxis->Max()};
  }
  return window;
}

std::shared_ptr<GraphSection> AddSection(GraphSectionCol& sections, const std::string& title,
                                         std::string& key, const Variant& x1, const Variant& y1,
                                         const Variant& x2, const Variant& y2, YAxisType yAxis,
                                         int32_t titlePosition, LabelOrientaionType orientation,
                                         GraphColour colour, SectionFloatType sectionFloat,
                                         SectionDisplayType sectionDisplay) {
  if (key.empty()) key = title;
  if (Runtime::IsTrue(Common::InCollection(*sections.Col(), Variant(key)))) return nullptr;

  auto section = std::make_shared<GraphSection>();
  section->X1(x1);
  section->Y1(y1);
  section->X2(x2);
  section->Y2(y2);
  section->WhichAxis(yAxis);
  section->TitleOrientation(orientation);
  section->Title()->Text(title);
  section->Key(key);
  section->Colour(colour);
  // After the coordinates: Automatic is decided from them.
  section->Float(sectionFloat);
  section->TitlePosition(titlePosition);
  section->SectionDisplay(sectionDisplay);
  sections.Add(section, key);
  return section;
}

Variant SeriesTotal(const GraphDataHost& graph, const Variant& series) {
  const auto all = Required(graph.Series());
  if (!Runtime::IsTrue(Common::InCollection(*all->Col(), series))) return Variant();
  const auto found = all->Item(series);
  return Common::SumOf(*found->Values()->Col(), PlottedValue(*found));
}

float SeriesMean(const GraphDataHost& graph, const Variant& series) {
  return Levels(*SeriesOf(graph, series)).Mean();
}

float SeriesStdDev(const GraphDataHost& graph, const Variant& series) {
  return Levels(*SeriesOf(graph, series)).StdDev();
}

void AddMean(GraphDataHost& graph, const Variant& series, const Variant& title,
             const std::string& tag) {
  const auto found = SeriesOf(graph, series);
  Levels levels(*found);
  AddMeanLine(graph, *found, levels, title, tag);
}

void AddStdDev(GraphDataHost& graph, const Variant& series, int16_t numStdDev, Variant& name,
               const std::string& tag) {
  const auto found = SeriesOf(graph, series);
  if (!name.IsString()) {
    name = Variant((numStdDev > 0 ? "+" : "-") +
                   std::to_string(numStdDev < 0 ? -numStdDev : numStdDev) + " Std Dev");
  }
  Levels levels(*found);
  AddStdDevLine(graph, *found, levels, Runtime::CStr(series), numStdDev, name.GetString(), tag);
}

void AddBestFitLinear(GraphDataHost& graph, const Variant& series, bool ignoreZero,
                      const std::string& title, const std::string& tag, const PlotWindow& window) {
  const auto found = SeriesOf(graph, series);
  const int32_t axis = static_cast<int32_t>(found->WhichAxis());
  if (axis < 1 || axis > 2) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  const PlotWindow::Scale& scale = window.YScale[axis - 1];
  const int32_t last = int32_t{window.First} + window.Width - 1;
  MathsFunctions::GraphPoint corner1{static_cast<float>(window.First), scale.Max};
  MathsFunctions::GraphPoint corner2{static_cast<float>(last), scale.Min};

  Runtime::Collection xs;
  Runtime::Collection ys;
  const auto values = found->Values();
  const int32_t count = values->Count();
  for (int32_t position = window.First; position <= last && position <= count; ++position) {
    if (position < 1) continue;
    const Variant& y = values->Item(Variant(position))->Y();
    if (y.IsNull()) continue;
    const float value = Runtime::CSng(y);
    if (value != 0 || !ignoreZero) {
      xs.Add(Variant(static_cast<double>(position)));
      ys.Add(Variant(value));
    }
  }

  const MathsFunctions::LineEnds ends = MathsFunctions::BestFitLinear(xs, ys, corner1, corner2);
  if (ends.Found < 2) return;
  std::string key = found->Title()->Text() + "_" + title;
  const auto& [p1, p2] = ends.Ends;
  Tag(AddSection(*Required(graph.Sections()), title, key, Variant(p1.X), Variant(p1.Y),
                 Variant(p2.X), Variant(p2.Y), found->WhichAxis(), StatsTitlePosition,
                 LabelOrientaionType::LabelHorizontal, 0, SectionFloatType::Front),
      tag);
}

void SetUpStats(GraphDataHost& graph, const PlotWindow& window) {
  Required(graph.Sections())->RemoveTag(StatsTag);
  const auto all = Required(graph.Series());
  for (int16_t i = 1; i <= all->Count(); ++i) {
    const auto series = all->Item(Variant(i));
    const auto settings = series->StatsAlarms();
    Levels levels(*series);

    if (settings->Mean()->StdDevOn()) {
      AddMeanLine(graph, *series, levels, Variant(settings->Mean()->Name()), StatsTag);
    }
    for (int16_t k : GraphStats::StdDevIndices) {
      const auto line = settings->StdDev(k);
      if (!line->StdDevOn()) continue;
      // Keyed by the series' title, as a host's AddStdDev by series name is;
      // the series itself is taken by position, which a changed title cannot
      // lose.
      AddStdDevLine(graph, *series, levels, series->Title()->Text(), k,
                    StdDevCaption(k, line->Name()), StatsTag);
    }
    for (enuLimits which : {enuLimits::LowerLimit, enuLimits::UpperLimit}) {
      const auto limit = settings->Limits(which);
      if (!limit->LimitOn()) continue;
      Tag(AddLevel(graph, *series, limit->Name(), "", limit->Value()), StatsTag);
    }
    if (settings->Trend()->Trend() == TrendType::TrendLinear) {
      AddBestFitLinear(graph, Variant(i), true, settings->Trend()->Name(), StatsTag, window);
    }
  }
}

}  // namespace Dravex::GraphStatistics
