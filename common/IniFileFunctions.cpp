#include "common/IniFileFunctions.h"

#include "common/FileFunctions.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Common {

int32_t ReadIniInt(const std::string& fileName, const std::string& section, const std::string& key,
                   int32_t defaultValue) {
  if (!FileExists(fileName, 0)) return defaultValue;
  return Platform::ReadProfileInt(fileName, section, key, defaultValue);
}

void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const Runtime::Variant& value) {
  if (!FileExists(fileName, 0)) {
    try {
      Platform::TextFile(fileName, Platform::TextFile::Mode::Output).Close();
    } catch (const Runtime::Error&) {
      // No file, no write: the test below finds it missing.
    }
  }
  if (FileExists(fileName, 0))
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
