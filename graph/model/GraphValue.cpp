#include "graph/model/GraphValue.h"

namespace Dravex {

GraphValue::GraphValue() = default;
GraphValue::~GraphValue() = default;

}  // namespace Dravex
