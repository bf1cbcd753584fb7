#include "graph/model/GraphOrder.h"

namespace Dravex {

GraphOrder::GraphOrder() = default;
GraphOrder::~GraphOrder() = default;

}  // namespace Dravex
