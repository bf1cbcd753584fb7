#include "common/LibraryPath.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/Paths.h"

namespace Common {

namespace {
void Anchor() {}
}  // namespace

std::string LibraryPath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&Anchor), &info) == 0 || !info.dli_fname) return {};
  std::error_code error;
  const auto path = std::filesystem::absolute(info.dli_fname, error);
  return error ? std::string() : Platform::SystemPath(path.string());
}

}  // namespace Common
