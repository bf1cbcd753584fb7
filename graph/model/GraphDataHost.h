#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphHost.h"
#include "graph/model/GraphSectionCol.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphTypes.h"
#include "graph/model/GraphYAxis.h"
#include "runtime/Variant.h"

namespace Dravex {

// What the statistics, ordering, control-chart and selection routines need of
// the graph beyond GraphHost: its series, sections and Y axes and its data
// entry, under the control's own member names. The Graph control implements
// it; the routines act on the graph only through it.
class DRAVEX_API GraphDataHost : public GraphHost {
 public:
  virtual std::shared_ptr<GraphSeriesCol> Series() const = 0;
  virtual std::shared_ptr<GraphSectionCol> Sections() const = 0;
  // Y axis 1 (left) or 2 (right); another index raises the collection's error.
  virtual std::shared_ptr<GraphYAxis> YAxis(int16_t index) const = 0;
  // A new series keyed name, its axis enabled; a colour below 0 becomes the
  // default colour of its position and is written back.
  virtual void AddSeries(const std::string& name, SeriesStyleType seriesStyle, YAxisType whichAxis,
                         int32_t& colour) = 0;
  // Stores a point in a series and keeps the X labels and the scroll bar in
  // step with it.
  virtual void AddValue(const Runtime::Variant& series, const Runtime::Variant& value1,
                        const Runtime::Variant& value2, const Runtime::Variant& tempValue,
                        int16_t& addWhere, AddType addHow) = 0;

 protected:
  ~GraphDataHost() = default;
};

}  // namespace Dravex
