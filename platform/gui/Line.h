#pragma once

#include <string>

#include "platform/gui/Colour.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A straight line drawn on its container from (X1, Y1) to (X2, Y2), in the
// container's units.
class TAVRO_PLATFORM_GUI_API Line : public VisualControl {
 public:
  Line(Container& container, std::string name, int index = -1);
  ~Line() override;

  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetX1(double x);
  void SetY1(double y);
  void SetX2(double x);
  void SetY2(double y);
  void SetPoints(double x1, double y1, double x2, double y2);
  Colour BorderColor() const { return borderColor_; }
  void SetBorderColor(Colour colour);
  int BorderWidth() const { return borderWidth_; }  // pixels
  void SetBorderWidth(int width);
  int BorderStyle() const { return borderStyle_; }  // DrawStyles + 1; 0 transparent
  void SetBorderStyle(int style);

  void CopyFrom(const VisualControl& model) override;

 protected:
  void Place() override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Colour borderColor_;
  int borderWidth_ = 1;
  int borderStyle_ = 1;
};

}  // namespace Platform
