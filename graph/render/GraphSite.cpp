#include "graph/render/GraphSite.h"

namespace Dravex {

GraphPlacement::~GraphPlacement() = default;
GraphTimer::~GraphTimer() = default;
GraphSite::~GraphSite() = default;

}  // namespace Dravex
