#include "graph/model/GraphValueCol.h"

#include "graph/model/GraphHost.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/ObjectAccess.h"

namespace Dravex {

GraphValueCol::GraphValueCol() = default;
GraphValueCol::~GraphValueCol() = default;

std::shared_ptr<GraphSeries> GraphValueCol::Parent() const {
  return Required(parent_.lock());
}

void GraphValueCol::Clear() {
  // At once: removing from the front moves every point behind, and a chart is
  // emptied on every rebuild.
  Col()->Clear();
}

void GraphValueCol::Add(const Runtime::Variant& yValue, const Runtime::Variant& xValue,
                        const Runtime::Variant& tempValue, const Runtime::Variant& before,
                        const Runtime::Variant& after) {
  auto point = std::make_shared<GraphValue>();
  point->Y(yValue);
  point->X(xValue);
  point->ValueMode(static_cast<int32_t>(Col()->Count() == 0 ? ValueModeType::ValueSlelected
                                                            : ValueModeType::ValueNormal));
  point->TempValue(tempValue);
  Col()->Add(Runtime::Variant(std::move(point)), Runtime::Variant::Missing(), before, after);

  const std::shared_ptr<GraphHost> graph = Parent()->Parent();
  const int16_t points = Count();
  AppendMissingLabels(*graph, points, false);
  ExtendXScroll(*graph, points);
}

}  // namespace Dravex
