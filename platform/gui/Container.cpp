#include "platform/gui/Container.h"

#include "platform/gui/GuiInternal.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

Container::Container() : internal_(std::make_unique<ContainerInternal>()) {}

Container::~Container() {
  for (VisualControl* child : internal_->children) child->Internal().containerEnded = true;
}

double Container::UnitsToPixelsX(double x) const {
  return Gui::TwipsToPixels(x);
}

double Container::UnitsToPixelsY(double y) const {
  return Gui::TwipsToPixels(y);
}

double Container::PixelsToUnitsX(double x) const {
  return Gui::PixelsToTwips(x);
}

double Container::PixelsToUnitsY(double y) const {
  return Gui::PixelsToTwips(y);
}

}  // namespace Platform
