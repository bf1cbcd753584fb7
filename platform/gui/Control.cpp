#include "platform/gui/Control.h"

#include "platform/gui/ControlScope.h"
#include "runtime/Error.h"

namespace Platform {

Control::Control(ControlScope& scope, Form& form, std::string name, int index)
    : scope_(scope), form_(form), name_(std::move(name)), index_(index) {
  scope_.Register(*this);
}

Control::~Control() {
  scope_.Unregister(*this);
}

void Control::Unload() {
  if (!unloader_) Runtime::Raise(362);
  auto unloader = unloader_;
  unloader();
}

}  // namespace Platform
