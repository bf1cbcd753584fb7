#include "platform/gui/UserControl.h"

#include <QWidget>
#include <algorithm>

#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/Surface.h"

namespace Platform {

UserControl::UserControl(Container& host, std::string name, int index)
    : VisualControl(host, std::move(name), index), scaleMode_(ScaleModes::Twips) {
  auto* widget = new QWidget(host.Site().client);
  widget->setFocusPolicy(Qt::StrongFocus);
  Internal().widget = widget;
  Internal().passiveMouse = true;
  Site().client = widget;
  Parent().Window().userControls.push_back(this);
  hostUnload_ =
      Parent().UnloadEvent.Connect([this](int16_t& cancel) { ParentForm_Unload(cancel); });
  Attach();
}

UserControl::~UserControl() {
  std::erase(Parent().Window().userControls, this);
}

void UserControl::SetScaleMode(int mode) {
  scaleMode_ = mode == ScaleModes::Pixels ? ScaleModes::Pixels : ScaleModes::Twips;
}

double UserControl::ScaleWidth() const {
  QWidget* widget = Internal().widget;
  return widget ? PixelsToWidth(widget->width()) : 0.0;
}

double UserControl::ScaleHeight() const {
  QWidget* widget = Internal().widget;
  return widget ? PixelsToHeight(widget->height()) : 0.0;
}

void UserControl::LoadProperties() {
  if (propertiesRead_) return;
  propertiesRead_ = true;
  if (bag_)
    UserControl_ReadProperties(*bag_);
  else
    UserControl_InitProperties();
}

PropertyBag UserControl::SaveProperties() {
  PropertyBag bag;
  UserControl_WriteProperties(bag);
  return bag;
}

void UserControl::Resized() {
  UserControl_Resize();
}

namespace {

double ToPixels(int mode, double units) {
  return mode == ScaleModes::Pixels ? units : Gui::TwipsToPixels(units);
}

double FromPixels(int mode, double pixels) {
  return mode == ScaleModes::Pixels ? pixels : Gui::PixelsToTwips(pixels);
}

}  // namespace

double UserControl::UnitsToPixelsX(double x) const {
  return ToPixels(scaleMode_, x);
}

double UserControl::UnitsToPixelsY(double y) const {
  return ToPixels(scaleMode_, y);
}

double UserControl::PixelsToUnitsX(double x) const {
  return FromPixels(scaleMode_, x);
}

double UserControl::PixelsToUnitsY(double y) const {
  return FromPixels(scaleMode_, y);
}

}  // namespace Platform
