#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphControlLimitCol.h"
#include "graph/model/GraphHost.h"
#include "graph/model/GraphStats.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphTypes.h"
#include "graph/model/GraphValueCol.h"
#include "graph/model/GraphValueFormat.h"
#include "runtime/Variant.h"

namespace Dravex {

// One data series of a graph: its points, how it is drawn, its number format
// and its statistics settings. Made only by the graph (New), which hands it
// its title, style and colours.
class DRAVEX_API GraphSeries : public DravexObject,
                               public std::enable_shared_from_this<GraphSeries> {
 public:
  // A series with its defaults and its own empty points (whose Parent it is),
  // control limits, value format and statistics settings.
  static std::shared_ptr<GraphSeries> New();
  ~GraphSeries() override;

  // The graph the series belongs to, set when it joins the graph's series.
  // Not owned; reading it raises 91 when there is none or it is gone.
  std::shared_ptr<GraphHost> Parent() const;
  void Parent(const std::weak_ptr<GraphHost>& value) { parent_ = value; }

  // Decimals of the values printed on the chart.
  int16_t ShowValueDecimals() const { return showValueDecimals_; }
  void ShowValueDecimals(int16_t value) { showValueDecimals_ = value; }
  bool Visible() const { return visible_; }
  void Visible(bool value) { visible_ = value; }
  ShowValueType ShowValue() const { return showValue_; }
  void ShowValue(ShowValueType value) { showValue_ = value; }
  ShowValueWhereType ShowValueWhere() const { return showValueWhere_; }
  void ShowValueWhere(ShowValueWhereType value) { showValueWhere_ = value; }
  SeriesStyleType SeriesStyle() const { return seriesStyle_; }
  void SeriesStyle(SeriesStyleType value) { seriesStyle_ = value; }
  // Bars stacked on the other stacked bars instead of side by side.
  bool Stacked() const { return stacked_; }
  void Stacked(bool value) { stacked_ = value; }
  // The title shown for the series; a series starts without one (reading it
  // then raises 91).
  std::shared_ptr<GraphText> Title() const;
  void Title(std::shared_ptr<GraphText> value) { title_ = std::move(value); }
  // The Y axis the series is drawn against; 0 until set.
  YAxisType WhichAxis() const { return whichAxis_; }
  void WhichAxis(YAxisType value) { whichAxis_ = value; }
  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }

  // Stores a point at position addWhere (below 1: the last point; the position
  // used is written back). Positions between the last point and addWhere are
  // filled with Null points first. AddInsert, or a position past the last
  // point, appends; AddOverwrite replaces Y and TempValue (and X of an XYGraph
  // series); any other AddHow adds to them, Null counting as 0. An XYGraph
  // series stores nothing when value1 or value2 is nothing (a null object).
  // Changing a point that does not exist raises the collection's error.
  void AddValue(const Runtime::Variant& value1, const Runtime::Variant& value2,
                const Runtime::Variant& tempValue, int16_t& addWhere, AddType addHow);
  // Removes the point at removeWhere, or the last one when removeWhere is out
  // of range (the position used is written back); an empty series is left
  // alone. Labels and scroll bar are left to the graph.
  void RemoveValue(int16_t& removeWhere);

  // Line-style and fill-style codes of the drawing surface.
  int16_t LineStyle() const { return lineStyle_; }
  void LineStyle(int16_t value) { lineStyle_ = value; }
  int16_t FillStyle() const { return fillStyle_; }
  void FillStyle(int16_t value) { fillStyle_ = value; }
  PointStyleType PointStyle() const { return pointStyle_; }
  void PointStyle(PointStyleType value) { pointStyle_ = value; }
  GraphColour Colour() const { return colour_; }
  void Colour(GraphColour value) { colour_ = value; }

  std::shared_ptr<GraphValueCol> Values() const;
  void Values(std::shared_ptr<GraphValueCol> value) { values_ = std::move(value); }
  // Limits held for the host; the graph never reads them.
  std::shared_ptr<GraphControlLimitCol> ControlLimits() const;
  void ControlLimits(std::shared_ptr<GraphControlLimitCol> value) {
    controlLimits_ = std::move(value);
  }
  std::shared_ptr<GraphValueFormat> ValueFormat() const;
  // Takes a GraphValueFormat (or nothing); anything else raises 13.
  void ValueFormat(const Runtime::Variant& value);
  std::shared_ptr<GraphStats> StatsAlarms() const;
  void StatsAlarms(std::shared_ptr<GraphStats> value) { statsAlarms_ = std::move(value); }

 protected:
  GraphSeries();

 private:
  std::weak_ptr<GraphHost> parent_;
  int16_t showValueDecimals_ = 1;
  bool visible_ = true;
  ShowValueType showValue_ = ShowValueType::DontShow;
  ShowValueWhereType showValueWhere_ = ShowValueWhereType::ValueTop;
  SeriesStyleType seriesStyle_ = SeriesStyleType::LineGraph;
  bool stacked_ = false;
  std::shared_ptr<GraphText> title_;
  YAxisType whichAxis_ = static_cast<YAxisType>(0);
  std::string name_;
  int16_t lineStyle_ = 0;
  int16_t fillStyle_ = 0;
  PointStyleType pointStyle_ = PointStyleType::PointCross;
  GraphColour colour_ = 0;
  std::shared_ptr<GraphValueFormat> valueFormat_;
  std::shared_ptr<GraphControlLimitCol> controlLimits_;
  std::shared_ptr<GraphValueCol> values_;
  std::shared_ptr<GraphStats> statsAlarms_;
};

}  // namespace Dravex
