#include "common/IniFileFunctions.h"

#include "common/FileFunctions.h"
#include "platform/ProfileFile.h"
#include "runtime/Conversions.h"

namespace Common {

int32_t ReadIniInt(const std::string& fileName, const std::string& section, const std::string& key,
                   int32_t defaultValue) {
  if (!FileExists(fileName, 0)) return defaultValue;
  return Platform::ReadProfileInt(fileName, section, key, defaultValue);
}

void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const Runtime::Variant& value) {
  // The profile write makes a missing file first and writes nothing into a
  // folder that does not exist; it never creates over a folder or a pipe in
  // the file's place. A write that fails otherwise is reported by it, and
  // Platform::LastProfileWriteSucceeded() tells a caller that must know.
  Platform::WriteProfileString(fileName, section, key, Runtime::CStr(value));
}

std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  if (!FileExists(fileName, 0)) return defaultValue;
  return Platform::ReadProfileString(fileName, section, key, defaultValue);
}

Runtime::CollectionRef ReadIniSection(const std::string& fileName, const std::string& section) {
  auto lines = std::make_shared<Runtime::Collection>();
  if (!FileExists(fileName, 0)) return lines;
  for (const auto& line : Platform::ReadProfileSection(fileName, section)) {
    if (!line.empty()) lines->Add(line);
  }
  return lines;
}

}  // namespace Common
