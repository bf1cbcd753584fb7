#include "graph/model/GraphText.h"

namespace Dravex {

GraphText::GraphText() = default;
GraphText::~GraphText() = default;

}  // namespace Dravex
