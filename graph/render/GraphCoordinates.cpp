#include "graph/render/GraphCoordinates.h"

#include <cmath>

#include "graph/model/GraphRegion.h"
#include "graph/model/GraphYAxis.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"

namespace Dravex {

GraphCoordinates::GraphCoordinates(const GraphRegion& xRegion, const GraphRegion& y1Region,
                                   const GraphRegion& y2Region, const GraphYAxis& axis1,
                                   const GraphYAxis& axis2, int16_t first, int16_t width)
    : left_(xRegion.X1()), right_(xRegion.X2()), first_(first), width_(width) {
  // Worked in 32 bits: the widest window still has its margins.
  const int32_t slots = width_ + 1;
  step_ = slots > 0 ? (right_ - left_) / static_cast<float>(slots) : 0;
  axes_[0] = {y1Region.Y1(), y1Region.Y2(), axis1.Min(), axis1.Max()};
  axes_[1] = {y2Region.Y1(), y2Region.Y2(), axis2.Min(), axis2.Max()};
}

int16_t GraphCoordinates::Index(float x) const {
  if (left_ == right_) return 0;
  if (x < left_ + step_ / 2) return Count16(first_);
  if (x <= right_ - step_ / 2) {
    const double nearest =
        std::floor(static_cast<double>(step_ / 2 + x - left_) * (width_ + 1) / (right_ - left_));
    return Count16(static_cast<int32_t>(nearest) + first_ - 1);
  }
  return Count16(first_ + width_ - 1);
}

GraphCoordinates Graph::Coordinates() const {
  const auto regions = Regions();
  const auto xAxis = XAxis();
  return GraphCoordinates(*regions->Item("X"), *regions->Item("Y1"), *regions->Item("Y2"),
                          *YAxis(1), *YAxis(2), xAxis->First(), xAxis->Width());
}

float Graph::YCoordinate(float value, int16_t axis) const {
  const auto regions = Regions();
  const bool second = axis == 2;
  const auto scale = YAxis(second ? 2 : 1);
  const auto region = regions->Item(second ? "Y2" : "Y1");
  const GraphCoordinates coordinates(*region, *region, *region, *scale, *scale, 1, 0);
  return coordinates.Y(value, 1);
}

float Graph::XCoordinate(float index) const {
  return Coordinates().X(index);
}

int16_t Graph::XIndex(float x) const {
  return Coordinates().Index(x);
}

namespace {

// Series and sections carry the same three style properties.
template <class Style>
void ApplyShapeStyle(Platform::Surface& surface, const Style& style) {
  surface.SetFillStyle(style.FillStyle());
  surface.SetDrawStyle(style.LineStyle());
  surface.SetForeColor(style.Colour());
}

}  // namespace

void Graph::SetShapeStyle(const GraphSeries& style) {
  ApplyShapeStyle(DrawingSurface(), style);
}

void Graph::SetShapeStyle(const GraphSection& style) {
  ApplyShapeStyle(DrawingSurface(), style);
}

}  // namespace Dravex
