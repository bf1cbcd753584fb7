#include "graph/ClassRegistry.h"

#include <vector>

#include "platform/RegistryStore.h"

namespace Dravex {

namespace {

constexpr std::string_view ClassesKey = "Software\\Classes\\";

std::string ClassKey(std::string_view classId) {
  return std::string(ClassesKey) + "CLSID\\" + std::string(classId);
}

std::string ProgIdKey(std::string_view progId) {
  return std::string(ClassesKey) + std::string(progId);
}

// Sets the unnamed value of the key, creating it.
bool SetDefault(const std::string& key, std::string_view text) {
  Platform::RegKey handle = 0;
  if (Platform::RegCreateKey(Platform::MachineRoot, key, Platform::RegAccess::Write, handle) !=
      Platform::RegResult::Success) {
    return false;
  }
  const int32_t result =
      Platform::RegSetValue(handle, "", Platform::RegType::Text, Platform::TextData(text));
  Platform::RegCloseKey(handle);
  return result == Platform::RegResult::Success;
}

// The unnamed text value of the key; "" when there is none.
std::string Default(const std::string& key) {
  Platform::RegKey handle = 0;
  if (Platform::RegOpenKey(Platform::MachineRoot, key, Platform::RegAccess::Read, handle) !=
      Platform::RegResult::Success) {
    return {};
  }
  uint32_t type = 0;
  std::vector<uint8_t> data;
  const int32_t result = Platform::RegQueryValue(handle, "", type, data);
  Platform::RegCloseKey(handle);
  if (result != Platform::RegResult::Success || type != Platform::RegType::Text) return {};
  std::string text(data.begin(), data.end());
  if (const auto end = text.find('\0'); end != std::string::npos) text.resize(end);
  return text;
}

}  // namespace

ClassFactory::~ClassFactory() = default;

int32_t RegisterClasses(std::span<const RegisteredClass> classes, std::string_view libraryPath) {
  for (const RegisteredClass& entry : classes) {
    const std::string classKey = ClassKey(entry.ClassId);
    const std::string progIdKey = ProgIdKey(entry.ProgId);
    const bool written = SetDefault(classKey, entry.Name) &&
                         SetDefault(classKey + "\\InprocServer32", libraryPath) &&
                         SetDefault(classKey + "\\ProgID", entry.ProgId) &&
                         SetDefault(progIdKey, entry.Name) &&
                         SetDefault(progIdKey + "\\CLSID", entry.ClassId);
    if (!written) return ServerResult::RegistrationFailed;
  }
  return ServerResult::Ok;
}

int32_t UnregisterClasses(std::span<const RegisteredClass> classes) {
  for (const RegisteredClass& entry : classes) {
    for (const std::string& key : {ClassKey(entry.ClassId), ProgIdKey(entry.ProgId)}) {
      const int32_t result = Platform::RegDeleteKey(Platform::MachineRoot, key);
      if (result != Platform::RegResult::Success && result != Platform::RegResult::NotFound) {
        return ServerResult::RegistrationFailed;
      }
    }
  }
  return ServerResult::Ok;
}

std::string ClassLibrary(std::string_view classIdOrProgId) {
  std::string classId(classIdOrProgId);
  if (classId.empty() || classId.front() != '{') classId = Default(ProgIdKey(classId) + "\\CLSID");
  if (classId.empty()) return {};
  return Default(ClassKey(classId) + "\\InprocServer32");
}

}  // namespace Dravex
