#pragma once

#include <cstdint>

#include "runtime/Error.h"

namespace TestSupport {

// The number of the Runtime::Error that call raises; 0 when it raises none.
template <class Call>
int32_t Raised(Call&& call) {
  try {
    call();
  } catch (const Runtime::Error& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace TestSupport
