#pragma once

#include <string>

#include "platform/gui/Colour.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

namespace Shapes {
inline constexpr int Rectangle = 0;
inline constexpr int Square = 1;
inline constexpr int Oval = 2;
inline constexpr int Circle = 3;
inline constexpr int RoundedRectangle = 4;
inline constexpr int RoundedSquare = 5;
}  // namespace Shapes

// A rectangle (or another of Shapes) drawn on its container: its outline in
// BorderColor, its inside filled by FillStyle and FillColor over BackColor when
// BackStyle is 1. It takes no mouse input.
class TAVRO_PLATFORM_GUI_API Shape : public VisualControl {
 public:
  Shape(Container& container, std::string name, int index = -1);
  ~Shape() override;

  int ShapeKind() const { return shape_; }
  void SetShapeKind(int shape);
  Colour BorderColor() const { return borderColor_; }
  void SetBorderColor(Colour colour);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  int BorderStyle() const { return borderStyle_; }  // 0 transparent, 1 solid, 2 dash, 3 dot...
  void SetBorderStyle(int style);
  Colour FillColor() const { return fillColor_; }
  void SetFillColor(Colour colour);
  int FillStyle() const { return fillStyle_; }  // FillStyles
  void SetFillStyle(int style);
  int BackStyle() const { return backStyle_; }  // 0 transparent, 1 opaque
  void SetBackStyle(int style);

  void CopyFrom(const VisualControl& model) override;

 private:
  int shape_ = Shapes::Rectangle;
  Colour borderColor_;
  int borderWidth_ = 1;
  int borderStyle_ = 1;
  Colour fillColor_ = 0;
  int fillStyle_ = 1;
  int backStyle_ = 0;
};

}  // namespace Platform
