#pragma once

#include <cstdint>
#include <memory>

#include "runtime/Variant.h"

namespace Morvelt {

// Published with the library's interfaces; no member takes or returns it.
enum class IncludeType : int32_t {
  Present = 0,
  Position = 1,
};

// A tool of the toolbar-and-menu control, held by reference; tools compare by
// identity.
using ToolRef = Runtime::ObjectRef;

// The tool type of a menu tool.
inline constexpr int16_t ToolTypeMenu = 7;

}  // namespace Morvelt
