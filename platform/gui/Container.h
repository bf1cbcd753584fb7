#pragma once

#include <memory>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;
class ControlScope;
struct ContainerInternal;

// What controls are placed in: a form, a frame, a picture box or a user
// control. Positions of the controls inside are in the container's units
// (twips on a form and a frame, the scale of a picture box or user control),
// measured from its inner top-left corner.
class TAVRO_PLATFORM_GUI_API Container {
 public:
  virtual ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  // The form the container lies on.
  virtual Form& ParentForm() = 0;
  // The scope whose names the controls inside take (a form or a user control).
  virtual ControlScope& Scope() = 0;

  // Positions in the container's units to pixels of its widget, and back
  // (twips unless the container has a scale of its own).
  virtual double UnitsToPixelsX(double x) const;
  virtual double UnitsToPixelsY(double y) const;
  virtual double PixelsToUnitsX(double x) const;
  virtual double PixelsToUnitsY(double y) const;
  // Sizes, in the same scale.
  double WidthToPixels(double width) const { return UnitsToPixelsX(width) - UnitsToPixelsX(0); }
  double HeightToPixels(double height) const { return UnitsToPixelsY(height) - UnitsToPixelsY(0); }
  double PixelsToWidth(double pixels) const { return PixelsToUnitsX(pixels) - PixelsToUnitsX(0); }
  double PixelsToHeight(double pixels) const { return PixelsToUnitsY(pixels) - PixelsToUnitsY(0); }

  // For the Qt layer.
  ContainerInternal& Site() const { return *internal_; }

 protected:
  Container();

 private:
  std::unique_ptr<ContainerInternal> internal_;
};

}  // namespace Platform
