#pragma once

#include "graph/model/DravexObject.h"
#include "runtime/Variant.h"

namespace Dravex {

// A layout rectangle of the control, corners (X1, Y1) and (X2, Y2) in the
// drawing surface's units. Internal to the library.
class GraphRegion : public DravexObject {
 public:
  GraphRegion();
  ~GraphRegion() override;

  float X1() const { return x1_; }
  void X1(float value) { x1_ = value; }
  float Y1() const { return y1_; }
  void Y1(float value) { y1_ = value; }
  float X2() const { return x2_; }
  void X2(float value) { x2_ = value; }
  float Y2() const { return y2_; }
  void Y2(float value) { y2_ = value; }

 private:
  float x1_ = 0;
  float y1_ = 0;
  float x2_ = 0;
  float y2_ = 0;
};

}  // namespace Dravex
