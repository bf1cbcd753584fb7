#include "constraints/Morvelt.h"


#include "constraints/MorveltClasses.h"
#include "constraints/MorveltObject.h"
#include "common/LibraryPath.h"

namespace {

using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::InvalidPointer;
using Platform::ServerResult::Ok;
using Platform::ServerResult::RegistrationFailed;

}  // namespace

extern "C" int32_t DllRegisterServer() {
  const std::string path = Common::LibraryPath();
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
