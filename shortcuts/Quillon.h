#pragma once

#include <cstdint>
#include <memory>

#include "platform/ClassRegistry.h"
#include "shortcuts/QuillonApi.h"

// The entry points the shortcut-bar library exports, under the names every
// library of the system exports them: a host reaches them through the library
// it loaded (dlsym), found through the class registry. Results are the codes
// of Platform::ServerResult.

// Class ids of the bar and of the one class a host may make itself.
inline constexpr const char* TabrillClassId = "{0FEAAD7F-A730-49F6-81E2-F3863E01B867}";
inline constexpr const char* ShortCutGroupClassId = "{11CDCB1A-897E-4248-AFD6-B6E8172DED6F}";

// Writes the library's classes into the class registry.
extern "C" QUILLON_API int32_t DllRegisterServer();
extern "C" QUILLON_API int32_t DllUnregisterServer();
// A factory of the class with that class id (braces included, any case) into
// *factory: InvalidPointer for a null argument, ClassNotAvailable for a class
// no host makes (the bar lives on its form as a member).
extern "C" QUILLON_API int32_t DllGetClassObject(const char* classId,
                                                 std::shared_ptr<Platform::ClassFactory>* factory);
// Ok when no object of the library (factories included) is alive, so that the
// library may be unloaded; False otherwise.
extern "C" QUILLON_API int32_t DllCanUnloadNow();
