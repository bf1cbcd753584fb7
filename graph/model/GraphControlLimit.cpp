#include "graph/model/GraphControlLimit.h"

namespace Dravex {

GraphControlLimit::GraphControlLimit() = default;
GraphControlLimit::~GraphControlLimit() = default;

}  // namespace Dravex
