#pragma once

#include <cstdint>
#include <memory>

#include "runtime/Error.h"
#include "runtime/Variant.h"

// How the object model hands out the objects it holds. An object property may
// be set to nothing (the graph does so when it tears its tree down); reading
// it then raises "object not set" (91) instead of handing out a null pointer
// for the caller to trip over.

namespace Dravex {

template <class T>
std::shared_ptr<T> Required(const std::shared_ptr<T>& object) {
  if (!object) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return object;
}

// The object a collection item holds: Nothing raises 91, another class 13.
template <class T>
std::shared_ptr<T> ObjectFrom(const Runtime::Variant& item) {
  if (!item.GetObject()) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  auto typed = item.ObjectAs<T>();
  if (!typed) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
  return typed;
}

// Counts and positions of the model are 16-bit; a larger one overflows (6).
inline int16_t Count16(int32_t count) {
  if (count > INT16_MAX || count < INT16_MIN) Runtime::Raise(Runtime::ErrorNumber::Overflow);
  return static_cast<int16_t>(count);
}

}  // namespace Dravex
