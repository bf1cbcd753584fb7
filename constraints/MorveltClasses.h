#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "constraints/MorveltApi.h"
#include "platform/ClassRegistry.h"
#include "runtime/Variant.h"

namespace Morvelt {

// A creatable class of the library: how the class registry knows it and how a
// new object of it is made.
struct MorveltClass {
  Platform::RegisteredClass Entry;
  Runtime::ObjectRef (*Create)();
};

// The library's classes, registered under the type library's name
// ("TavroSPC_V3.TavroSPCConstraints"...).
MORVELT_API const std::vector<MorveltClass>& MorveltClasses();
MORVELT_API std::vector<Platform::RegisteredClass> RegisteredClasses();

// A factory of the class with that class id (braces included, any case);
// nullptr for a class the library does not serve. The factory is an object of
// the library: while a host holds one, the library stays loaded.
MORVELT_API std::shared_ptr<Platform::ClassFactory> MorveltFactory(std::string_view classId);

}  // namespace Morvelt
