#pragma once

#include <cstdint>
#include <memory>

#include "graph/ClassRegistry.h"
#include "graph/DravexApi.h"

// The entry points the graph control library exports. Every control library
// exports these under the same names, so a host reaches them through the
// library it loaded (dlsym), found through the class registry.

// The library's version as "major.minor.patch".
extern "C" DRAVEX_API const char* DravexVersion();

// Writes the library's classes (Graph and the classes of its object model that
// hosts may make themselves) into the class registry.
extern "C" DRAVEX_API int32_t DllRegisterServer();
extern "C" DRAVEX_API int32_t DllUnregisterServer();
// A factory of the class with that class id (braces included, any case) into
// *factory: InvalidPointer for a null argument, ClassNotAvailable for a class
// the library does not serve.
extern "C" DRAVEX_API int32_t DllGetClassObject(const char* classId,
                                                std::shared_ptr<Dravex::ClassFactory>* factory);
// Ok when no object of the library (factories included) is alive, so that the
// library may be unloaded; False otherwise.
extern "C" DRAVEX_API int32_t DllCanUnloadNow();

// The signatures, for a host that looks the entry points up by name.
using DllRegisterServerFunction = int32_t (*)();
using DllGetClassObjectFunction = int32_t (*)(const char*, std::shared_ptr<Dravex::ClassFactory>*);
using DllCanUnloadNowFunction = int32_t (*)();

// The class id of the graph control.
inline constexpr const char* GraphClassId = "{81F84969-4093-4E3E-917A-CA5FF6C0291F}";
