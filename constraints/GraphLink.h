#pragma once

#include <cstdint>
#include <memory>

#include "constraints/MorveltApi.h"
#include "graph/model/GraphXAxis.h"
#include "platform/Event.h"

namespace Morvelt {

// What a constraint set uses of the graph it is bound to: the X axis, whose
// labels a selection copies, and the SelectPoints event (the first and last
// selected X positions, 1-based).
class MORVELT_API GraphLink {
 public:
  virtual std::shared_ptr<Dravex::GraphXAxis> XAxis() const = 0;
  virtual Platform::Event<int16_t&, int16_t&>& SelectPoints() = 0;

 protected:
  ~GraphLink() = default;
};

}  // namespace Morvelt
