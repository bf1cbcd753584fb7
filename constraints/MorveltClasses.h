#pragma once

#include <vector>

#include "constraints/ClassRegistry.h"
#include "constraints/MorveltApi.h"

namespace Morvelt {

// The name under which the library's classes are registered.
inline constexpr const char* TypeLibraryName = "TavroSPC_V3";

// The creatable classes of the library with their class identifiers.
MORVELT_API const std::vector<ClassEntry>& MorveltClasses();

}  // namespace Morvelt
