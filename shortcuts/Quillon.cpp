#include "shortcuts/Quillon.h"

#include <array>

#include "common/LibraryPath.h"
#include "runtime/CaseFold.h"
#include "shortcuts/QuillonObject.h"
#include "shortcuts/clsShortCutGroup.h"

namespace {

using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::InvalidPointer;
using Platform::ServerResult::Ok;
using Platform::ServerResult::RegistrationFailed;

const std::array<Platform::RegisteredClass, 2> Registered = {{
    {TabrillClassId, "Tabrill.cntTabrill", "cntTabrill"},
    {ShortCutGroupClassId, "Tabrill.clsShortCutGroup", "clsShortCutGroup"},
}};

// A factory is an object of the library too: while a host holds one, the
// library stays loaded.
class GroupFactory : public Quillon::QuillonObject, public Platform::ClassFactory {
 public:
  std::shared_ptr<Runtime::Object> CreateInstance() override {
    return std::make_shared<Quillon::clsShortCutGroup>();
  }
};

}  // namespace

extern "C" int32_t DllRegisterServer() {
  const std::string path = Common::LibraryPath();
  if (path.empty()) return RegistrationFailed;
  return Platform::RegisterClasses(Registered, path);
}

extern "C" int32_t DllUnregisterServer() {
  return Platform::UnregisterClasses(Registered);
}

extern "C" int32_t DllGetClassObject(const char* classId,
                                     std::shared_ptr<Platform::ClassFactory>* factory) {
  if (classId == nullptr || factory == nullptr) return InvalidPointer;
  factory->reset();
  if (!Runtime::EqualsNoCase(ShortCutGroupClassId, classId)) return ClassNotAvailable;
  *factory = std::make_shared<GroupFactory>();
  return Ok;
}

extern "C" int32_t DllCanUnloadNow() {
  return Quillon::QuillonObject::Alive() == 0 ? Ok : Platform::ServerResult::False;
}
