#include "graph/model/GraphStdDev.h"

namespace Dravex {

GraphStdDev::GraphStdDev() = default;
GraphStdDev::~GraphStdDev() = default;

}  // namespace Dravex
