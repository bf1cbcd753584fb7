#pragma once

#include <cstdint>

namespace Morvelt {

// Published with the library's interfaces; no member takes or returns it.
enum class IncludeType : int32_t {
  Present = 0,
  Position = 1,
};

}  // namespace Morvelt
