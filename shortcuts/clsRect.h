#pragma once

#include <cstdint>

#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonObject.h"

namespace Quillon {

// The icon cell of a shortcut in canvas pixels: (X1, Y1) its top-left corner,
// (X2, Y2) its bottom-right one; (-1, -1, -1, -1) while scrolled out above the
// view.
class QUILLON_API clsRect : public QuillonObject {
 public:
  clsRect();
  ~clsRect() override;

  int16_t X1() const { return x1_; }
  void X1(int16_t value) { x1_ = value; }
  int16_t Y1() const { return y1_; }
  void Y1(int16_t value) { y1_ = value; }
  int16_t X2() const { return x2_; }
  void X2(int16_t value) { x2_ = value; }
  int16_t Y2() const { return y2_; }
  void Y2(int16_t value) { y2_ = value; }

  // Strictly inside: a point on the edge is outside.
  bool Contains(double x, double y) const { return x1_ < x && x < x2_ && y1_ < y && y < y2_; }

 private:
  int16_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

}  // namespace Quillon
