#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphDataHost.h"
#include "graph/model/GraphSection.h"
#include "graph/model/GraphSectionCol.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

// The statistics of a graph's series and the sections that show them: means,
// standard-deviation lines, specification limits and linear trend lines. The
// Graph control's members of the same names call these with itself.
//
// A series argument is a position or a series name; a series that does not
// exist raises the collection's error. Nothing here traps errors.
namespace Dravex::GraphStatistics {

// The tag of the sections SetUpStats makes, by which it removes them again.
inline constexpr const char* StatsTag = "Stats";

// The part of the chart a trend line is fitted and clipped to: the X positions
// First to First + Width - 1 and the scale of each Y axis. The drawing passes
// the scales it has just worked out for the picture it is about to draw.
struct PlotWindow {
  struct Scale {
    float Min = 0;
    float Max = 0;
  };
  int16_t First = 1;
  int16_t Width = 0;
  // Y axis 1 at index 0, Y axis 2 at index 1.
  std::array<Scale, 2> YScale{};
};

// The window as the graph's X axis and Y axes stand now.
DRAVEX_API PlotWindow CurrentPlotWindow(const GraphDataHost& graph);

// Adds a section keyed key, or by its title when key is "" (key then becomes
// the title), unless the graph already has a section under that key: then the
// existing section keeps its values, nothing is added and the result is
// nothing (nullptr). Otherwise the new section is set up from the arguments:
// coordinates that are not numbers are not given (the section spans that
// direction), Automatic float is decided from the coordinates, and the caption
// position is kept to one bit of each group. It is returned.
DRAVEX_API std::shared_ptr<GraphSection> AddSection(
    GraphSectionCol& sections, const std::string& title, std::string& key,
    const Runtime::Variant& x1 = Runtime::Variant(""),
    const Runtime::Variant& y1 = Runtime::Variant(""),
    const Runtime::Variant& x2 = Runtime::Variant(""),
    const Runtime::Variant& y2 = Runtime::Variant(""), YAxisType yAxis = YAxisType::YAxis1,
    int32_t titlePosition = TitlePositionType::Outside | TitlePositionType::VerticalTop |
                            TitlePositionType::HorizontalLeft,
    LabelOrientaionType orientation = LabelOrientaionType::LabelHorizontal, GraphColour colour = 0,
    SectionFloatType sectionFloat = SectionFloatType::Automatic,
    SectionDisplayType sectionDisplay = SectionDisplayType::SectionLine);

// The sum of the series' values (X of an XYGraph series, else Y; Null values
// pass), or Empty when there is no such series.
DRAVEX_API Runtime::Variant SeriesTotal(const GraphDataHost& graph, const Runtime::Variant& series);
// The mean and the sample standard deviation (0 for fewer than two values) of
// the same values.
DRAVEX_API float SeriesMean(const GraphDataHost& graph, const Runtime::Variant& series);
DRAVEX_API float SeriesStdDev(const GraphDataHost& graph, const Runtime::Variant& series);

// A line across the chart at the series' mean, keyed by the series' title
// followed by the title. A text title is the caption; a picture title is shown
// as the caption instead, the key then ending in "Mean". Any other title adds
// nothing. The new line is tagged tag.
DRAVEX_API void AddMean(GraphDataHost& graph, const Runtime::Variant& series,
                        const Runtime::Variant& title = Runtime::Variant("Mean"),
                        const std::string& tag = "");

// A line across the chart numStdDev standard deviations from the series' mean,
// captioned name and keyed by the series argument as text followed by name. A
// name that is not text is composed ("+2 Std Dev", "-1 Std Dev"; 0 gives
// "-0 Std Dev") and written back. The new line is tagged tag.
DRAVEX_API void AddStdDev(GraphDataHost& graph, const Runtime::Variant& series, int16_t numStdDev,
                          Runtime::Variant& name, const std::string& tag = "");

// The least-squares line through the series' points inside the window (zeros
// passed over when ignoreZero), from edge to edge of the window, in front of
// the series; keyed by the series' title, "_" and the title. A line that does
// not cross the window adds nothing. The new line is tagged tag.
DRAVEX_API void AddBestFitLinear(GraphDataHost& graph, const Runtime::Variant& series,
                                 bool ignoreZero, const std::string& title, const std::string& tag,
                                 const PlotWindow& window);

// Makes the graph's statistics sections anew from every series' settings: the
// sections tagged "Stats" go, and the mean, standard-deviation, limit and trend
// lines that the settings switch on are added and tagged "Stats". Sections
// with another tag stay; a line whose key a section already has is not added
// (the section there keeps its own tag). Trend lines are fitted to window.
DRAVEX_API void SetUpStats(GraphDataHost& graph, const PlotWindow& window);

}  // namespace Dravex::GraphStatistics
