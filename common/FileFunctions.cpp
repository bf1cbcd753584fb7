#include "common/FileFunctions.h"

#include <exception>

#include "platform/DirListing.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace Common {

bool FileExists(const std::string& path, int32_t attributes) {
  if (path.empty()) return false;
  try {
    Platform::DirListing listing;
    if (!listing.Start(path, attributes).empty()) return true;
    // A pipe, a device or a link to nothing in a file's place exists, though
    // it cannot be used: nobody may create a file over it, and reading it
    // reports it.
    for (const auto& entry : listing.LeftOut()) {
      if (entry.Kind != Platform::NotRegular::Folder) return true;
    }
    return false;
  } catch (const std::exception&) {
    return false;
  }
}

std::string SafeDir(const std::string& path, int32_t attributes) {
  try {
    return path.empty() ? Platform::Dir() : Platform::Dir(path, attributes);
  } catch (const std::exception&) {
    return {};
  }
}

bool CreatePath(const std::string& path) {
  try {
    std::string folder = !path.empty() && path[0] == '/' ? "/" : "";
    size_t start = 0;
    while (start < path.size()) {
      size_t end = path.find('/', start);
      if (end == std::string::npos) end = path.size();
      const std::string level = path.substr(start, end - start);
      start = end + 1;
      if (level.empty()) continue;
      const std::string candidate = folder + level;
      if (!Platform::IsFolder(candidate)) {
        if (Platform::PathExists(candidate) || level.find(':') != std::string::npos) return false;
        Platform::MakeFolder(candidate);
      }
      folder = Platform::SystemPath(Platform::ResolvePath(candidate)) + "/";
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace Common
