#include "graph/model/GraphShapeStyle.h"

#include "graph/model/TavroGraph.h"

namespace Dravex {

GraphShapeStyle::GraphShapeStyle() = default;
GraphShapeStyle::~GraphShapeStyle() = default;

void GraphShapeStyle::LineColour(GraphColour value) {
  lineColour_ = TavroGraph::ColourValue(value);
}
void GraphShapeStyle::FillColour(GraphColour value) {
  fillColour_ = TavroGraph::ColourValue(value);
}

}  // namespace Dravex
