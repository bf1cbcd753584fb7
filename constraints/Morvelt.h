#pragma once

#include <cstdint>
#include <memory>

#include "constraints/MorveltApi.h"
#include "platform/ClassRegistry.h"

// The entry points the constraint library exports, under the names every
// library of the system exports them (as graph/Dravex.h does): a host reaches them
// through the library it loaded (dlsym), found through the class registry.
// Results are the codes of Platform::ServerResult.

// Writes the library's classes into the class registry.
extern "C" MORVELT_API int32_t DllRegisterServer();
extern "C" MORVELT_API int32_t DllUnregisterServer();
// A factory of the class with that class id (braces included, any case) into
// *factory: InvalidPointer for a null argument, ClassNotAvailable for a class
// the library does not serve.
extern "C" MORVELT_API int32_t DllGetClassObject(const char* classId,
                                                 std::shared_ptr<Platform::ClassFactory>* factory);
// Ok when no object of the library (factories included) is alive, so that the
// library may be unloaded; False otherwise.
extern "C" MORVELT_API int32_t DllCanUnloadNow();
