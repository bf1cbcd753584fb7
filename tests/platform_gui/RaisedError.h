#pragma once

#include <cstdint>
#include <functional>

#include "runtime/Error.h"

// The number of the error the action raises, 0 when it raises none.
inline std::int32_t RaisedError(const std::function<void()>& action) {
  try {
    action();
  } catch (const Runtime::Error& e) {
    return e.Number();
  }
  return 0;
}
