#include "graph/model/GraphXAxisLabel.h"

namespace Dravex {

GraphXAxisLabel::GraphXAxisLabel() = default;
GraphXAxisLabel::~GraphXAxisLabel() = default;

}  // namespace Dravex
