#include "graph/render/GraphSite.h"

namespace Dravex {

GraphPlacement::~GraphPlacement() = default;
GraphSite::~GraphSite() = default;

}  // namespace Dravex
