#pragma once

#include <cstdint>
#include <memory>

#include "constraints/MorveltApi.h"
#include "runtime/Variant.h"

// The library's registration functions: write and remove its classes in the
// registry store, hand out a class factory by class identifier, and say
// whether the library may be unloaded (no object of it, factories included,
// is alive). Results are the codes of ClassResult.
extern "C" {
MORVELT_API int32_t DllRegisterServer();
MORVELT_API int32_t DllUnregisterServer();
// factory receives a Morvelt::ClassFactory, or nothing for a class identifier
// the library does not have.
MORVELT_API int32_t DllGetClassObject(const char* classId, Runtime::ObjectRef* factory);
MORVELT_API int32_t DllCanUnloadNow();
}
