#pragma once

#include <memory>

#include "graph/DravexApi.h"
#include "graph/model/GraphCollection.h"
#include "graph/model/GraphValue.h"
#include "runtime/Variant.h"

namespace Dravex {

class GraphSeries;

// The points of a series, 1-based in insertion order, without keys. Adding a
// point keeps the owning graph's X labels and scroll bar in step with it.
class DRAVEX_API GraphValueCol : public GraphCollection<GraphValue> {
 public:
  GraphValueCol();
  ~GraphValueCol() override;

  // The series the points belong to. Not owned: the series owns its points
  // and its graph breaks this link (nothing) when the host form unloads.
  // Reading it when there is none raises 91.
  std::shared_ptr<GraphSeries> Parent() const;
  void Parent(const std::shared_ptr<GraphSeries>& value) { parent_ = value; }

  // Removes every point; raises no event and leaves labels and scroll bar.
  void Clear();
  using GraphCollection::Col;

  // Adds a point (Y, X, TempValue) before the point at position before, after
  // the one at after, or at the end; the first point of an empty collection
  // comes selected (ValueMode 1). Then the series' graph gets labels for every
  // point (NumLabels) and its scroll bar grows when the points no longer fit
  // the X window (ScrollBarSize). Without a series, or a series without a
  // graph, it raises 91 once the point is added.
  void Add(const Runtime::Variant& yValue,
           const Runtime::Variant& xValue = Runtime::Variant(int16_t{0}),
           const Runtime::Variant& tempValue = Runtime::Variant(int16_t{0}),
           const Runtime::Variant& before = Runtime::Variant::Missing(),
           const Runtime::Variant& after = Runtime::Variant::Missing());

 private:
  std::weak_ptr<GraphSeries> parent_;
};

}  // namespace Dravex
