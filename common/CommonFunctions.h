#pragma once

#include <initializer_list>

#include "runtime/Variant.h"

namespace Common {

// Value becomes Value + Step (Inc) or Value - Step (Dec) by variant arithmetic.
void Inc(Runtime::Variant& value, const Runtime::Variant& step = Runtime::Variant(int16_t{1}));
void Dec(Runtime::Variant& value, const Runtime::Variant& step = Runtime::Variant(int16_t{1}));

// The smallest (largest) of the values by variant comparison; on a tie the
// earlier value stays; with no values, the Integer 0.
Runtime::Variant MinOf(std::initializer_list<Runtime::Variant> values);
Runtime::Variant MaxOf(std::initializer_list<Runtime::Variant> values);

template <class... Values>
Runtime::Variant MinOf(const Values&... values) {
  return MinOf({Runtime::Variant(values)...});
}
template <class... Values>
Runtime::Variant MaxOf(const Values&... values) {
  return MaxOf({Runtime::Variant(values)...});
}

}  // namespace Common
