#pragma once

#include <functional>

#include "runtime/RuntimeApi.h"
#include "runtime/Variant.h"

namespace Runtime {

// The clock behind Now, Today and Timer: the local time of the machine, or a
// time a test sets.
class TAVRO_RUNTIME_API Clock {
public:
  // Fixes the clock at this moment (tests); it stays there until advanced or reset.
  static void Set(DateTime now);
  // Moves a set clock forward by seconds.
  static void Advance(double seconds);
  // Back to the machine's local time.
  static void Reset();
  static bool IsSet();
  static DateTime Now();
};

}  // namespace Runtime
