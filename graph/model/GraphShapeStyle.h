#pragma once

#include <cstdint>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// Line and fill style and colours of a filled area (the graph's shading of X
// positions without values). Everything starts at 0.
class DRAVEX_API GraphShapeStyle : public DravexObject {
 public:
  GraphShapeStyle();
  ~GraphShapeStyle() override;

  // Line-style and fill-style codes of the drawing surface.
  int16_t LineStyle() const { return lineStyle_; }
  void LineStyle(int16_t value) { lineStyle_ = value; }
  int16_t FillStyle() const { return fillStyle_; }
  void FillStyle(int16_t value) { fillStyle_ = value; }
  GraphColour LineColour() const { return lineColour_; }
  void LineColour(GraphColour value);
  GraphColour FillColour() const { return fillColour_; }
  void FillColour(GraphColour value);

 private:
  int16_t lineStyle_ = 0;
  int16_t fillStyle_ = 0;
  GraphColour lineColour_ = 0;
  GraphColour fillColour_ = 0;
};

}  // namespace Dravex
