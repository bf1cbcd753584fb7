#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "runtime/Encoding.h"

namespace Platform {

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// Only absolute values count, as the base-directory convention asks.
std::string AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string NativeHomeFolder() {
  std::string home = AbsoluteEnv("HOME");
  if (home.empty()) {
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
      home = pw->pw_dir;
    } else {
      home = "/tmp";
    }
  }
  return WithSlash(home);
}

}  // namespace

std::string ConfigFolder() {
  if (const char* dir = std::getenv("TAVRO_CONFIG_DIR"); dir != nullptr && dir[0] != '\0') {
    return WithSlash(SystemPath(dir));
  }
  std::string base = AbsoluteEnv("XDG_CONFIG_HOME");
  base = base.empty() ? NativeHomeFolder() + ".config/" : WithSlash(base);
  return SystemPath(base + "tavro/");
}

std::string StateFolder() {
  std::string base = AbsoluteEnv("XDG_STATE_HOME");
  base = base.empty() ? NativeHomeFolder() + ".local/state/" : WithSlash(base);
  return SystemPath(base + "tavro/");
}

std::string LogFolder() {
  return StateFolder() + "Log/";
}

std::string HomeFolder() {
  return SystemPath(NativeHomeFolder());
}

namespace {

bool IsAscii(std::string_view text) {
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  return ascii;
}

}  // namespace

std::string NativePath(std::string_view systemPath) {
  // Plain ASCII, as nearly every name of the data is, reads the same in both.
  if (IsAscii(systemPath)) return std::string(systemPath);
  return Runtime::Cp1252ToUtf8(systemPath);
}

std::string SystemPath(std::string_view nativePath) {
  std::string systemPath;
  AssignSystemPath(systemPath, nativePath);
  return systemPath;
}

void AssignSystemPath(std::string& systemPath, std::string_view nativePath) {
  // A name written by a system that knows no UTF-8 (a copied machine share)
  // keeps its bytes, read as the code page they most likely are.
  if (IsAscii(nativePath) || !Runtime::IsValidUtf8(nativePath)) {
    systemPath.assign(nativePath);
  } else {
    systemPath = Runtime::Utf8ToCp1252(nativePath);
  }
}

}  // namespace Platform
