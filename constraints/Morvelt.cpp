#include "constraints/Morvelt.h"

#include <dlfcn.h>

#include "constraints/MorveltClasses.h"
#include "platform/Paths.h"

namespace {

// The library's own file, as the registry names it.
std::string LibraryFile() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname) return {};
  return Platform::SystemPath(info.dli_fname);
}

}  // namespace

int32_t DllRegisterServer() {
  return Morvelt::ClassRegistry::Register(Morvelt::TypeLibraryName, LibraryFile(),
                                          Morvelt::MorveltClasses());
}

int32_t DllUnregisterServer() {
  return Morvelt::ClassRegistry::Unregister(Morvelt::TypeLibraryName, Morvelt::MorveltClasses());
}

int32_t DllGetClassObject(const char* classId, Runtime::ObjectRef* factory) {
  if (!classId || !factory) return Morvelt::ClassResult::NullPointer;
  *factory = Morvelt::ClassRegistry::Factory(classId, Morvelt::MorveltClasses());
  return *factory ? Morvelt::ClassResult::Ok : Morvelt::ClassResult::ClassNotAvailable;
}

int32_t DllCanUnloadNow() {
  return Morvelt::MorveltObject::Alive() == 0 ? Morvelt::ClassResult::Ok
                                              : Morvelt::ClassResult::False;
}
