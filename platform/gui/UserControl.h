#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Event.h"
#include "platform/gui/Container.h"
#include "platform/gui/ControlScope.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/PropertyBag.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// The base of the controls of the control libraries (the graph, the shortcut
// bar): a control hosted on a form, with constituent controls of its own inside
// it (placed in its scale, twips or pixels), a property bag for its persisted
// properties and the events a host can handle (Event members of the deriving
// class). The host form is Parent(); the control hears its Unload.
//
// Properties: before the host form loads (or when the host calls
// LoadProperties) the control gets UserControl_ReadProperties with the bag the
// host gave, or UserControl_InitProperties when it gave none.
class TAVRO_PLATFORM_GUI_API UserControl : public VisualControl,
                                           public Container,
                                           public ControlScope {
 public:
  UserControl(Container& host, std::string name, int index = -1);
  ~UserControl() override;

  // ScaleModes::Twips (the default) or ScaleModes::Pixels: the units of the
  // constituent controls' positions and of ScaleWidth and ScaleHeight.
  int ScaleMode() const { return scaleMode_; }
  void SetScaleMode(int mode);
  double ScaleWidth() const;
  double ScaleHeight() const;

  // The saved properties the control starts with; call before the host loads.
  void SetPropertyBag(const PropertyBag& bag) { bag_ = bag; }
  // Reads the properties now (once): ReadProperties or InitProperties.
  void LoadProperties();
  // Writes the properties into a bag (UserControl_WriteProperties).
  PropertyBag SaveProperties();

  virtual void UserControl_InitProperties() {}
  virtual void UserControl_ReadProperties(PropertyBag& PropBag) { (void)PropBag; }
  virtual void UserControl_WriteProperties(PropertyBag& PropBag) { (void)PropBag; }
  virtual void UserControl_Resize() {}
  // The host form is being unloaded.
  virtual void ParentForm_Unload(int16_t& Cancel) { (void)Cancel; }

  Form& ParentForm() override { return Parent(); }
  ControlScope& Scope() override { return *this; }
  double UnitsToPixelsX(double x) const override;
  double UnitsToPixelsY(double y) const override;
  double PixelsToUnitsX(double x) const override;
  double PixelsToUnitsY(double y) const override;

 protected:
  Container& DefaultContainer() override { return *this; }
  void Resized() override;

 private:
  int scaleMode_;
  std::optional<PropertyBag> bag_;
  bool propertiesRead_ = false;
  ScopedConnection hostUnload_;
};

}  // namespace Platform
