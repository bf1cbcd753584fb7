#include "constraints/Morvelt.h"

#include <dlfcn.h>

#include <filesystem>

#include "constraints/MorveltClasses.h"
#include "constraints/MorveltObject.h"
#include "platform/Paths.h"

namespace {

using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::InvalidPointer;
using Platform::ServerResult::Ok;
using Platform::ServerResult::RegistrationFailed;

// An address inside this library. The exported entry points will not do: a
// host that loaded another library first finds that library's entry points of
// the same names.
void Anchor() {}

// Where this library was loaded from, as a system path; "" when unknown.
std::string LibraryPath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&Anchor), &info) == 0 || !info.dli_fname) return {};
  std::error_code error;
  const auto path = std::filesystem::absolute(info.dli_fname, error);
  return error ? std::string() : Platform::SystemPath(path.string());
}

}  // namespace

extern "C" int32_t DllRegisterServer() {
  const std::string path = LibraryPath();
  if (path.empty()) return RegistrationFailed;
  return Platform::RegisterClasses(Morvelt::RegisteredClasses(), path);
}

extern "C" int32_t DllUnregisterServer() {
  return Platform::UnregisterClasses(Morvelt::RegisteredClasses());
}

extern "C" int32_t DllGetClassObject(const char* classId,
                                     std::shared_ptr<Platform::ClassFactory>* factory) {
  if (classId == nullptr || factory == nullptr) return InvalidPointer;
  *factory = Morvelt::MorveltFactory(classId);
  return *factory ? Ok : ClassNotAvailable;
}

extern "C" int32_t DllCanUnloadNow() {
  return Morvelt::MorveltObject::Alive() == 0 ? Ok : Platform::ServerResult::False;
}
