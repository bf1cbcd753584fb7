#include "platform/SettingsStore.h"

#include <optional>

#include "platform/RegistryStore.h"

namespace Platform {

namespace {

// The text a stored value reads as, or nothing for a type that holds no text.
std::optional<std::string> TextOf(uint32_t type, const std::vector<uint8_t>& data) {
  if (type == RegType::Text) {
    std::string text(data.begin(), data.end());
    if (const size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
  }
  if (type == RegType::Number && data.size() == 4) {
    return std::to_string(static_cast<int32_t>(NumberOf(data)));
  }
  return std::nullopt;
}

// An open key that closes itself.
class OpenKey {
 public:
  OpenKey(std::string_view path, bool create) {
    result_ = create ? RegCreateKey(UserRoot, path, RegAccess::All, key_)
                     : RegOpenKey(UserRoot, path, RegAccess::All, key_);
  }
  ~OpenKey() {
    if (result_ == RegResult::Success) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  bool IsOpen() const { return result_ == RegResult::Success; }
  RegKey Key() const { return key_; }

 private:
  RegKey key_ = 0;
  int32_t result_ = RegResult::NotFound;
};

}  // namespace

std::string SettingsKeyPath(std::string_view application, std::string_view section) {
  std::string path = "Software\\Program Settings\\";
  path += application;
  path += '\\';
  path += section;
  return path;
}

std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
  const OpenKey open(SettingsKeyPath(application, section), false);
  if (!open.IsOpen()) return std::string(defaultValue);
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (RegQueryValue(open.Key(), key, type, data) != RegResult::Success)
    return std::string(defaultValue);
  return TextOf(type, data).value_or(std::string(defaultValue));
}

void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view value) {
  const OpenKey open(SettingsKeyPath(application, section), true);
  if (!open.IsOpen()) return;
  RegSetValue(open.Key(), key, RegType::Text, TextData(value));
}

void DeleteSetting(std::string_view application, std::string_view section, std::string_view key) {
  if (key.empty()) {
    RegDeleteKey(UserRoot, SettingsKeyPath(application, section));
    return;
  }
  const OpenKey open(SettingsKeyPath(application, section), false);
  if (open.IsOpen()) RegDeleteValue(open.Key(), key);
}

std::vector<std::pair<std::string, std::string>> GetAllSettings(std::string_view application,
                                                                std::string_view section) {
  std::vector<std::pair<std::string, std::string>> settings;
  const OpenKey open(SettingsKeyPath(application, section), false);
  if (!open.IsOpen()) return settings;
  std::vector<RegValue> values;
  RegEnumValues(open.Key(), values);
  for (const auto& v : values) {
    if (auto text = TextOf(v.Type, v.Data)) settings.emplace_back(v.Name, std::move(*text));
  }
  return settings;
}

}  // namespace Platform
