#include "graph/model/GraphRegion.h"

namespace Dravex {

GraphRegion::GraphRegion() = default;
GraphRegion::~GraphRegion() = default;

}  // namespace Dravex
