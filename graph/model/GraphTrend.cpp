#include "graph/model/GraphTrend.h"

namespace Dravex {

GraphTrend::GraphTrend() = default;
GraphTrend::~GraphTrend() = default;

}  // namespace Dravex
