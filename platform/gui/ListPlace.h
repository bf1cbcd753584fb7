#pragma once

// How the toolbar control's lists read an index; used only inside the layer.

#include <cstddef>
#include <string>

#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Variant.h"

namespace Platform {

// The 0-based place that an index names in a list of count items: a number is
// a 1-based position, a text a name that find turns into a place (count when
// the list has no such name). Raises 5 for a place the list lacks, 13 for an
// index of another kind.
template <class Find>
size_t ListPlace(const Runtime::Variant& index, size_t count, const char* source, Find&& find) {
  size_t place = count;
  if (index.IsString()) {
    place = find(index.GetString());
  } else if (index.IsNumber()) {
    const int32_t position = Runtime::CLng(index);
    if (position >= 1) place = static_cast<size_t>(position) - 1;
  } else {
    Runtime::Raise(Runtime::ErrorNumber::TypeMismatch, source);
  }
  if (place >= count) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, source);
  return place;
}

}  // namespace Platform
