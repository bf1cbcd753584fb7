#pragma once

#include <cstdint>

#include "runtime/Variant.h"

// Short makers for Variants of the kinds a plain C++ literal does not give.
namespace VariantValues {

inline Runtime::Variant Int16(int n) {
  return static_cast<int16_t>(n);
}
inline Runtime::Variant Byte(int n) {
  return static_cast<uint8_t>(n);
}
inline Runtime::Variant Sng(float f) {
  return f;
}
inline Runtime::Variant Date(double serial) {
  return Runtime::DateTime{serial};
}

// Any object will do where a test needs one.
struct Thing : Runtime::Object {};

}  // namespace VariantValues
