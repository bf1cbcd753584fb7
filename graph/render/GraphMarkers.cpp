// Point markers.

#include "graph/render/Graph.h"

namespace Dravex {

void Graph::DrawPoint(PointStyleType style, float x, float y) {
  Platform::Surface& surface = DrawingSurface();
  const float h = spacingUnit_ / 2;
  switch (style) {
    case PointStyleType::PointBox:
      surface.Line(x - h, y - h, x + h, y + h, Platform::LineShape::FilledBox);
      break;
    case PointStyleType::PointCircle: surface.Circle(x, y, h); break;
    case PointStyleType::PointCross:
      surface.Line(x, y - h, x, y + h);
      surface.Line(x - h, y, x + h, y);
      break;
    case PointStyleType::PointX:
      surface.Line(x - h, y - h, x + h, y + h);
      surface.Line(x + h, y - h, x - h, y + h);
      break;
    case PointStyleType::PointTriangle:
      // The apex is up: the smaller y.
      surface.Line(x, y - h, x + h, y + h);
      surface.Line(x, y - h, x - h, y + h);
      surface.Line(x - h, y + h, x + h, y + h);
      break;
    default: break;
  }
}

}  // namespace Dravex
