#include "viewer/data/LoadForm.h"

#include "runtime/Error.h"

namespace Kordex {

LoadForm::~LoadForm() = default;

void WindowlessLoadForm::SetLoadBarValue(double Value) {
  if (Value < 0 || Value > max_) Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  value_ = Value;
}

}  // namespace Kordex
