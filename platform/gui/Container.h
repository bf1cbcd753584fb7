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

  // Conversions between the container's units and pixels of its inner area.
  virtual double UnitsToPixelsX(double x) const;
  virtual double UnitsToPixelsY(double y) const;
  virtual double PixelsToUnitsX(double x) const;
  virtual double PixelsToUnitsY(double y) const;
  virtual double WidthToPixels(double width) const;
  virtual double HeightToPixels(double height) const;
  virtual double PixelsToWidth(double pixels) const;
  virtual double PixelsToHeight(double pixels) const;

  // For the Qt layer.
  ContainerInternal& Internal() const { return *internal_; }

protected:
  Container();

private:
  std::unique_ptr<ContainerInternal> internal_;
};

}  // namespace Platform
