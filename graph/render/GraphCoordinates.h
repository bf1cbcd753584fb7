#pragma once

#include <array>
#include <cstdint>

#include "graph/DravexApi.h"

namespace Dravex {

class GraphRegion;
class GraphYAxis;

// The mappings between the data and the drawing surface for one layout: an X
// position (a 1-based point index, fractions in between) to a horizontal
// position in region "X", a value to a vertical position on a Y axis in its
// region ("Y1" or "Y2"), and a horizontal position back to the nearest
// visible X position. A copy of the numbers, cheap to use point by point;
// made by Graph::Coordinates.
//
// The visible positions First to First + Width - 1 lie one step apart, with
// one step of margin at each end of region "X". Min maps to the bottom of an
// axis' region and Max to its top; values beyond the range map beyond the
// region. A degenerate scale divides by nothing: with Max equal to Min every
// value maps to the middle of the axis' region, and a window of no positions
// puts every position at the region's left edge.
class DRAVEX_API GraphCoordinates {
 public:
  struct Axis {
    float Top = 0;     // the region's Y1
    float Bottom = 0;  // the region's Y2
    float Min = 0;
    float Max = 0;
  };

  GraphCoordinates() = default;
  GraphCoordinates(const GraphRegion& xRegion, const GraphRegion& y1Region,
                   const GraphRegion& y2Region, const GraphYAxis& axis1, const GraphYAxis& axis2,
                   int16_t first, int16_t width);

  // Axis 2 is the second axis; any other number the first.
  float Y(float value, int axis) const {
    const Axis& a = axes_[axis == 2 ? 1 : 0];
    if (a.Max == a.Min) return (a.Top + a.Bottom) / 2;
    return a.Bottom - (value - a.Min) * (a.Bottom - a.Top) / (a.Max - a.Min);
  }
  float X(float index) const { return step_ * (index - static_cast<float>(first_) + 1) + left_; }
  // First left of the first half step, the last visible position right of
  // the last one, and 0 when region "X" has no width.
  int16_t Index(float x) const;

  // The distance between two neighbouring positions.
  float Step() const { return step_; }
  int32_t First() const { return first_; }
  int32_t Width() const { return width_; }

 private:
  float left_ = 0;
  float right_ = 0;
  float step_ = 0;
  int32_t first_ = 1;
  int32_t width_ = 0;
  std::array<Axis, 2> axes_{};
};

}  // namespace Dravex
