#pragma once

#include <cstdint>

#include "runtime/Error.h"

namespace GraphTest {

// The number of the runtime error that call raises, 0 when it raises none.
template <class Call>
int32_t ErrorOf(Call&& call) {
  try {
    call();
  } catch (const Runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace GraphTest
