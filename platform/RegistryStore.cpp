#include "platform/RegistryStore.h"

#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <unordered_map>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Problems.h"
#include "platform/SafeFile.h"
#include "runtime/CaseFold.h"

namespace Platform {

namespace {

struct Handle {
  RegKey Root = 0;
  std::string Path;
  uint32_t Access = 0;
};

// One root's file as this process last read it.
struct StoreFile {
  RegistryDocument Document;
  FileIdentity Identity;
  bool Loaded = false;
};

std::recursive_mutex mutex;
std::map<std::string, StoreFile> files;  // by native path
std::unordered_map<RegKey, Handle> handles;
RegKey nextHandle = 0x100;

bool IsRoot(RegKey key) {
  return key == UserRoot || key == MachineRoot;
}

std::string Describe(const std::string& path, int error) {
  return "settings file " + SystemPath(path) + ": " + FileErrorText(error);
}

void ReportParseProblems(const std::string& path, const RegistryDocument& doc) {
  for (const auto& problem : doc.Problems)
    ReportProblem("settings file " + SystemPath(path) + ", " + problem);
}

// Brings the cached copy of a root's file up to date.
StoreFile& Current(RegKey root) {
  const std::string path = RegistryFile(root);
  StoreFile& file = files[path];
  const FileIdentity id = IdentityOf(path);
  if (file.Loaded && id == file.Identity) return file;
  file.Identity = id;
  file.Loaded = true;
  if (!id.Exists) {
    file.Document = {};
    return file;
  }
  std::string text;
  if (const int rc = ReadWholeFile(path, text); rc != 0) {
    if (rc != ENOENT)
      ReportProblem(Describe(path, rc) + " (cannot be read; its settings are not available)");
    if (rc == ENOENT) file.Document = {};
    return file;
  }
  file.Document = ParseRegistryText(text);
  ReportParseProblems(path, file.Document);
  return file;
}

// Runs change on a fresh copy of the root's file under the write lock and
// replaces the file when the text changed. The file is never left half-written.
int32_t Modify(RegKey root, const std::function<int32_t(RegistryDocument&)>& change) {
  const std::string path = RegistryFile(root);
  const std::string folder = path.substr(0, path.rfind('/'));
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    ReportProblem(Describe(path, ec.value()) + " (folder cannot be made; settings are not saved)");
    return RegResult::AccessDenied;
  }
  StoreFile& file = files[path];
  RegistryDocument changed;
  int32_t result = RegResult::Success;
  const RewriteResult written = RewriteFile(path, [&](std::string& text, bool exists) {
    file.Document = ParseRegistryText(text);
    file.Identity = IdentityOf(path);
    file.Loaded = true;
    ReportParseProblems(path, file.Document);
    changed = file.Document;
    result = change(changed);
    if (result != RegResult::Success) return false;
    std::string newText = FormatRegistryText(changed);
    if (newText == text && exists) return false;
    text = std::move(newText);
    return true;
  });
  if (written.Error != 0) {
    const bool lock = std::string_view(written.Step) == "cannot be locked";
    ReportProblem(Describe(lock ? path + ".lock" : path, written.Error) + " (" + written.Step +
                  "; settings are not saved)");
    return RegResult::AccessDenied;
  }
  if (result != RegResult::Success) return result;
  file.Document = std::move(changed);
  file.Identity = IdentityOf(path);
  return RegResult::Success;
}

bool HasControlCharacters(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

// The root and full path of subKey below parent; false for a bad handle.
bool Resolve(RegKey parent, std::string_view subKey, RegKey& root, std::string& path) {
  if (IsRoot(parent)) {
    root = parent;
    path = NormaliseKeyPath(subKey);
    return true;
  }
  const auto it = handles.find(parent);
  if (it == handles.end()) return false;
  root = it->second.Root;
  path = NormaliseKeyPath(it->second.Path + "\\" + std::string(subKey));
  return true;
}

const Handle* Lookup(RegKey key) {
  static Handle rootHandle;
  if (IsRoot(key)) {
    rootHandle = Handle{key, {}, RegAccess::All};
    return &rootHandle;
  }
  const auto it = handles.find(key);
  return it == handles.end() ? nullptr : &it->second;
}

RegKey NewHandle(RegKey root, std::string path, uint32_t access) {
  do {
    ++nextHandle;
    if (nextHandle >= 0x80000000u) nextHandle = 0x100;
  } while (handles.contains(nextHandle));
  handles[nextHandle] = Handle{root, std::move(path), access};
  return nextHandle;
}

// Runs change on the file of an open key that may be written.
int32_t ChangeKey(RegKey key,
                  const std::function<int32_t(RegistryDocument&, const std::string&)>& change) {
  const Handle* handle = Lookup(key);
  if (handle == nullptr) return RegResult::InvalidHandle;
  if ((handle->Access & RegAccess::SetValue) == 0) return RegResult::AccessDenied;
  const std::string path = handle->Path;
  return Modify(handle->Root, [&](RegistryDocument& doc) { return change(doc, path); });
}

}  // namespace

std::string RegistryFile(RegKey root) {
  return NativePath(ConfigFolder()) + (root == MachineRoot ? "machine.settings" : "user.settings");
}

int32_t RegOpenKey(RegKey parent, std::string_view subKey, uint32_t access, RegKey& key) {
  const std::lock_guard lock(mutex);
  RegKey root = 0;
  std::string path;
  if (!Resolve(parent, subKey, root, path)) return RegResult::InvalidHandle;
  if (!Current(root).Document.Exists(path)) return RegResult::NotFound;
  key = NewHandle(root, std::move(path), access);
  return RegResult::Success;
}

int32_t RegCreateKey(RegKey parent, std::string_view subKey, uint32_t access, RegKey& key) {
  const std::lock_guard lock(mutex);
  RegKey root = 0;
  std::string path;
  if (!Resolve(parent, subKey, root, path)) return RegResult::InvalidHandle;
  if (HasControlCharacters(path)) return RegResult::InvalidParameter;
  if (!Current(root).Document.Exists(path)) {
    const int32_t rc = Modify(root, [&](RegistryDocument& doc) {
      if (!doc.Exists(path)) doc.Make(path);
      return RegResult::Success;
    });
    if (rc != RegResult::Success) return rc;
  }
  key = NewHandle(root, std::move(path), access);
  return RegResult::Success;
}

int32_t RegQueryValue(RegKey key, std::string_view name, uint32_t& type,
                      std::vector<uint8_t>& data) {
  const std::lock_guard lock(mutex);
  const Handle* handle = Lookup(key);
  if (handle == nullptr) return RegResult::InvalidHandle;
  if ((handle->Access & RegAccess::QueryValue) == 0) return RegResult::AccessDenied;
  RegistryKey* stored = Current(handle->Root).Document.Find(handle->Path);
  const RegValue* value = stored == nullptr ? nullptr : stored->Find(name);
  if (value == nullptr) return RegResult::NotFound;
  type = value->Type;
  data = value->Data;
  return RegResult::Success;
}

int32_t RegSetValue(RegKey key, std::string_view name, uint32_t type,
                    const std::vector<uint8_t>& data) {
  const std::lock_guard lock(mutex);
  return ChangeKey(key, [&](RegistryDocument& doc, const std::string& path) {
    RegistryKey& stored = doc.Make(path);
    if (RegValue* value = stored.Find(name)) {
      value->Type = type;
      value->Data = data;
    } else {
      stored.Entries.push_back({true, RegValue{std::string(name), type, data}, {}});
    }
    return RegResult::Success;
  });
}

int32_t RegDeleteValue(RegKey key, std::string_view name) {
  const std::lock_guard lock(mutex);
  return ChangeKey(key, [&](RegistryDocument& doc, const std::string& path) {
    RegistryKey* stored = doc.Find(path);
    if (stored == nullptr || stored->Find(name) == nullptr) return RegResult::NotFound;
    std::erase_if(stored->Entries, [&](const RegistryKey::Entry& e) {
      return e.IsValue && Runtime::EqualsNoCase(e.Value.Name, name);
    });
    return RegResult::Success;
  });
}

int32_t RegDeleteKey(RegKey parent, std::string_view subKey) {
  const std::lock_guard lock(mutex);
  RegKey root = 0;
  std::string path;
  if (!Resolve(parent, subKey, root, path)) return RegResult::InvalidHandle;
  if (path.empty()) return RegResult::AccessDenied;  // a root is never removed
  if (!Current(root).Document.Exists(path)) return RegResult::NotFound;
  return Modify(root, [&](RegistryDocument& doc) {
    return doc.Remove(path) ? RegResult::Success : RegResult::NotFound;
  });
}

int32_t RegEnumValues(RegKey key, std::vector<RegValue>& values) {
  const std::lock_guard lock(mutex);
  values.clear();
  const Handle* handle = Lookup(key);
  if (handle == nullptr) return RegResult::InvalidHandle;
  StoreFile& file = Current(handle->Root);
  if (!file.Document.Exists(handle->Path)) return RegResult::NotFound;
  if (RegistryKey* stored = file.Document.Find(handle->Path)) {
    for (const auto& e : stored->Entries) {
      if (e.IsValue) values.push_back(e.Value);
    }
  }
  return RegResult::Success;
}

int32_t RegCloseKey(RegKey key) {
  const std::lock_guard lock(mutex);
  if (IsRoot(key)) return RegResult::Success;
  return handles.erase(key) == 1 ? RegResult::Success : RegResult::InvalidHandle;
}

}  // namespace Platform
