#include "common/TavroRegistry.h"

#include "platform/RegistryStore.h"
#include "runtime/Conversions.h"

namespace Common {

namespace {

constexpr int32_t kText = 1;
constexpr int32_t kBytes = 3;
constexpr int32_t kNumber = 4;

// A key of the machine root, closed when the object goes.
class MachineKey {
 public:
  MachineKey(const std::string& path, bool create) {
    result_ =
        create
            ? Platform::RegCreateKey(Platform::MachineRoot, path, Platform::RegAccess::Write, key_)
            : Platform::RegOpenKey(Platform::MachineRoot, path, Platform::RegAccess::Read, key_);
  }
  ~MachineKey() {
    if (IsOpen()) Platform::RegCloseKey(key_);
  }
  MachineKey(const MachineKey&) = delete;
  MachineKey& operator=(const MachineKey&) = delete;
  bool IsOpen() const { return result_ == Platform::RegResult::Success; }
  int32_t Handle() const { return static_cast<int32_t>(key_); }

 private:
  Platform::RegKey key_ = 0;
  int32_t result_ = Platform::RegResult::NotFound;
};

// What the classic comparison with "" finds equal: nothing read, an empty text
// or an empty byte array (which converts to an empty text).
bool IsEmptyText(const Runtime::Variant& v) {
  switch (v.Kind()) {
    case Runtime::VarType::Empty: return true;
    case Runtime::VarType::String: return v.GetString().empty();
    case Runtime::VarType::ByteArray: return v.GetBytes().empty();
    default: return false;
  }
}

std::vector<uint8_t> BytesOf(const Runtime::Variant& value) {
  if (value.Kind() == Runtime::VarType::ByteArray) return value.GetBytes();
  const std::string text = Runtime::CStr(value);
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

Runtime::Variant GetRegSetting(const std::string& app, const std::string& section,
                               const std::string& key, const Runtime::Variant& defaultValue) {
  Runtime::Variant result = ReadRegValue(BuildKeyPath(app, section), key);
  return IsEmptyText(result) ? defaultValue : result;
}

void SaveRegSetting(const std::string& app, const std::string& section, const std::string& key,
                    const Runtime::Variant& value) {
  const int32_t type = Runtime::IsNumeric(value) ? kNumber : kText;
  WriteRegValue(BuildKeyPath(app, section), key, value, type);
}

std::string BuildKeyPath(const std::string& app, const std::string& section) {
  std::string path = "Software\\Tavro\\" + app;
  if (!section.empty()) path += "\\" + section;
  return path;
}

Runtime::Variant ReadRegValue(const std::string& keyPath, const std::string& valueName) {
  Runtime::Variant result;
  const MachineKey key(keyPath, false);
  if (key.IsOpen()) QueryRegValue(key.Handle(), valueName, result);
  return result;
}

void WriteRegValue(const std::string& keyPath, const std::string& valueName,
                   const Runtime::Variant& value, int32_t valueType) {
  const MachineKey key(keyPath, true);
  if (key.IsOpen()) SetRegValue(key.Handle(), valueName, valueType, value);
}

int32_t SetRegValue(int32_t keyHandle, const std::string& valueName, int32_t valueType,
                    const Runtime::Variant& value) {
  std::vector<uint8_t> data;
  switch (valueType) {
    case kText: data = Platform::TextData(Runtime::CStr(value)); break;
    case kBytes: data = BytesOf(value); break;
    case kNumber: data = Platform::NumberData(static_cast<uint32_t>(Runtime::CLng(value))); break;
    default: return 0;
  }
  return Platform::RegSetValue(static_cast<Platform::RegKey>(keyHandle), valueName,
                               static_cast<uint32_t>(valueType), data);
}

int32_t QueryRegValue(int32_t keyHandle, const std::string& valueName, Runtime::Variant& result) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  const int32_t rc =
      Platform::RegQueryValue(static_cast<Platform::RegKey>(keyHandle), valueName, type, data);
  if (rc != Platform::RegResult::Success) return rc;
  switch (type) {
    case kText:
      // The text without its terminating NUL; a value without even that holds nothing to read.
      if (!data.empty()) result = std::string(data.begin(), data.end() - 1);
      return rc;
    case kBytes: result = Runtime::Variant(std::move(data)); return rc;
    case kNumber:
      if (data.size() > 4) return Platform::RegResult::MoreData;
      result = static_cast<int32_t>(Platform::NumberOf(data));
      return rc;
    default: return -1;
  }
}

}  // namespace Common
