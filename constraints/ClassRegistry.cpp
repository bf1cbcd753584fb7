#include "constraints/ClassRegistry.h"

#include "platform/RegistryStore.h"
#include "runtime/CaseFold.h"

namespace Morvelt {

namespace {

const std::string ClassesKey = "Software\\Classes\\";

// Sets the key's unnamed value to text, making the key when missing.
bool SetDefault(const std::string& path, const std::string& text) {
  Platform::RegKey key = 0;
  if (Platform::RegCreateKey(Platform::MachineRoot, path, Platform::RegAccess::Write, key) !=
      Platform::RegResult::Success)
    return false;
  const int32_t result =
      Platform::RegSetValue(key, "", Platform::RegType::Text, Platform::TextData(text));
  Platform::RegCloseKey(key);
  return result == Platform::RegResult::Success;
}

}  // namespace

namespace ClassRegistry {

int32_t Register(const std::string& typeLibrary, const std::string& libraryFile,
                 const std::vector<ClassEntry>& classes) {
  for (const ClassEntry& entry : classes) {
    const std::string progId = typeLibrary + "." + entry.Name;
    const std::string classKey = ClassesKey + "CLSID\\" + entry.ClassId;
    const bool written = SetDefault(classKey, progId) &&
                         SetDefault(classKey + "\\InprocServer32", libraryFile) &&
                         SetDefault(classKey + "\\ProgID", progId) &&
                         SetDefault(ClassesKey + progId + "\\CLSID", entry.ClassId);
    if (!written) return ClassResult::RegisterFailed;
  }
  return ClassResult::Ok;
}

int32_t Unregister(const std::string& typeLibrary, const std::vector<ClassEntry>& classes) {
  // A key that is not there is already as it should be.
  const auto removed = [](const std::string& path) {
    const int32_t result = Platform::RegDeleteKey(Platform::MachineRoot, path);
    return result == Platform::RegResult::Success || result == Platform::RegResult::NotFound;
  };
  for (const ClassEntry& entry : classes) {
    if (!removed(ClassesKey + "CLSID\\" + entry.ClassId) ||
        !removed(ClassesKey + typeLibrary + "." + entry.Name))
      return ClassResult::RegisterFailed;
  }
  return ClassResult::Ok;
}

std::shared_ptr<ClassFactory> Factory(const std::string& classId,
                                      const std::vector<ClassEntry>& classes) {
  for (const ClassEntry& entry : classes)
    if (Runtime::EqualsNoCase(entry.ClassId, classId)) return std::make_shared<ClassFactory>(entry);
  return nullptr;
}

}  // namespace ClassRegistry

}  // namespace Morvelt
