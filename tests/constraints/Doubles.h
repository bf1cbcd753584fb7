#pragma once

#include <cstdint>
#include <memory>

#include "constraints/GraphLink.h"
#include "graph/model/GraphXAxis.h"

namespace ConstraintsTest {

// Stands in for the graph: an X axis and the SelectPoints event.
class FakeGraph : public Morvelt::GraphLink {
 public:
  std::shared_ptr<Dravex::GraphXAxis> XAxis() const override { return xAxis; }
  Platform::Event<int16_t&, int16_t&>& SelectPoints() override { return selectPoints; }

  void Select(int16_t from, int16_t to) { selectPoints.Raise(from, to); }

  std::shared_ptr<Dravex::GraphXAxis> xAxis = std::make_shared<Dravex::GraphXAxis>();
  Platform::Event<int16_t&, int16_t&> selectPoints;
};

}  // namespace ConstraintsTest
