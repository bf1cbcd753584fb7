#include "graph/model/XBarConstants.h"

#include <string>

#include "common/CollectionFunctions.h"
#include "graph/model/GraphSectionCol.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphStatistics.h"
#include "graph/model/MathsFunctions.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"

namespace Dravex::XBarConstants {

using Runtime::Variant;

namespace {

// Dashed, in the surface's line styles.
constexpr int16_t DashLine = 1;

// Two horizontal bits: the section keeps one bit of each group.
constexpr int32_t LimitTitlePosition = TitlePositionType::HorizontalLeft |
                                       TitlePositionType::HorizontalCentre |
                                       TitlePositionType::VerticalBottom;

void AddLimit(GraphSectionCol& sections, const std::string& title, const std::string& key,
              float y) {
  std::string sectionKey = key;
  GraphStatistics::AddSection(sections, title, sectionKey, Variant(""), Variant(y), Variant(""),
                              Variant(y), YAxisType::YAxis1, LimitTitlePosition);
}

}  // namespace

void SetUpXBarConstants(Runtime::Collection& a2, Runtime::Collection& d3, Runtime::Collection& d4) {
  const Variant none(Runtime::Null);
  MathsFunctions::AddNumbersToCollection(
      a2, true, {none, 1.88, 1.023, 0.729, 0.577, 0.483, 0.419, 0.373, 0.337, 0.308});
  MathsFunctions::AddNumbersToCollection(
      d3, true, {none, none, none, none, none, none, 0.076, 0.136, 0.184, 0.223});
  MathsFunctions::AddNumbersToCollection(
      d4, true, {none, 3.27, 2.57, 2.28, 2.11, int16_t{2}, 1.92, 1.86, 1.82, 1.78});
}

float XBarFactor(const Runtime::Collection& table, int16_t number) {
  if (number > table.Count()) return Runtime::CSng(table.Item(Variant(table.Count())));
  const Variant& factor = table.Item(Variant(number));
  return factor.IsNull() ? 0.0f : Runtime::CSng(factor);
}

void AddMeanRangeLimits(GraphDataHost& graph, const Runtime::Collection& a2,
                        const Runtime::Collection& d4, const Variant& mean, const Variant& range,
                        int16_t sampleSize) {
  const auto series = Required(graph.Series());
  if (!Runtime::IsTrue(Common::InCollection(*series->Col(), mean)) ||
      !Runtime::IsTrue(Common::InCollection(*series->Col(), range))) {
    return;
  }
  GraphStatistics::AddMean(graph, mean, Variant("Mean"), "");
  GraphStatistics::AddMean(graph, range, Variant("Mean"), "");
  const float rBar = GraphStatistics::SeriesMean(graph, range);
  const float xBarBar = GraphStatistics::SeriesMean(graph, mean);
  const float a = XBarFactor(a2, sampleSize) * rBar;
  const float d = XBarFactor(d4, sampleSize) * rBar;

  const auto sections = Required(graph.Sections());
  if (a > 0) {
    AddLimit(*sections, "UCL", "Mean UCL", xBarBar + a);
    AddLimit(*sections, "LCL", "Mean LCL", xBarBar - a);
    sections->Item(Variant("Mean UCL"))->LineStyle(DashLine);
    sections->Item(Variant("Mean LCL"))->LineStyle(DashLine);
  }
  if (d > 0) {
    AddLimit(*sections, "UCL", "Range UCL", d);
    sections->Item(Variant("Range UCL"))->LineStyle(DashLine);
  }
}

}  // namespace Dravex::XBarConstants
