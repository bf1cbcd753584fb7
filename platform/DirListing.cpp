#include "platform/DirListing.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

std::shared_ptr<DirListing>& CurrentListing() {
  static std::shared_ptr<DirListing> current;
  return current;
}

bool Wanted(int32_t entryAttributes, int32_t mask) {
  if (entryAttributes < 0) return false;
  constexpr int32_t special =
      FileAttribute::Hidden | FileAttribute::System | FileAttribute::Directory;
  return (entryAttributes & special & ~mask) == 0;
}

bool HasWildcard(std::string_view s) {
  return s.find_first_of("*?") != std::string_view::npos;
}

}  // namespace

std::string DirListing::Start(std::string_view pattern, int32_t attributes) {
  names_.clear();
  lengths_.clear();
  next_ = 0;
  started_ = true;
  if (pattern.find('\0') != std::string_view::npos)
    Runtime::Raise(Runtime::ErrorNumber::BadFileNameOrNumber, "Dir");
  const size_t slash = pattern.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : pattern.substr(0, slash + 1);
  std::string_view name = slash == std::string_view::npos ? pattern : pattern.substr(slash + 1);
  if (HasWildcard(folder)) Runtime::Raise(Runtime::ErrorNumber::BadFileNameOrNumber, "Dir");
  if (name.empty()) name = "*";
  if (!HasWildcard(name)) {
    const std::string nativeFolder = folder.empty() ? std::string() : ResolvePath(folder);
    // One entry: found directly, without reading the folder.
    const std::string resolved = ResolvePath(std::string(folder) + std::string(name));
    const std::string onDisk =
        resolved.substr(resolved.rfind('/') == std::string::npos ? 0 : resolved.rfind('/') + 1);
    int64_t length = 0;
    if (Wanted(EntryAttributes(nativeFolder, onDisk, &length), attributes)) {
      names_.push_back(SystemPath(onDisk));
      lengths_.push_back(length);
    }
    return Next();
  }

  // The folder as written first: only a folder copied with its names in
  // another case pays for looking them up level by level.
  DIR* dir = opendir(folder.empty() ? "." : NativePath(folder).c_str());
  if (dir == nullptr && (errno == ENOENT || errno == ENOTDIR)) {
    dir = opendir(ResolvePath(folder).c_str());
  }
  if (dir == nullptr) return {};
  struct Found {
    std::string folded;
    std::string name;
    int64_t length;
    bool operator<(const Found& other) const {
      return folded != other.folded ? folded < other.folded : name < other.name;
    }
  };
  std::vector<Found> found;
  while (const dirent* entry = readdir(dir)) {
    const std::string nativeName = entry->d_name;
    const std::string systemName = SystemPath(nativeName);
    if (!MatchesPattern(systemName, name)) continue;
    const bool dots = nativeName == "." || nativeName == "..";
    int64_t length = 0;
    const int32_t entryAttributes =
        dots ? FileAttribute::Directory : EntryAttributesAt(dirfd(dir), nativeName, &length);
    if (Wanted(entryAttributes, attributes))
      found.push_back({Runtime::FoldCase(systemName), systemName, length});
  }
  closedir(dir);
  std::sort(found.begin(), found.end());
  names_.reserve(found.size());
  lengths_.reserve(found.size());
  for (auto& f : found) {
    names_.push_back(std::move(f.name));
    lengths_.push_back(f.length);
  }
  return Next();
}

std::string DirListing::Next() {
  if (next_ >= names_.size()) return {};
  return names_[next_++];
}

std::string Dir(std::string_view pattern, int32_t attributes) {
  auto listing = std::make_shared<DirListing>();
  CurrentListing() = listing;
  return listing->Start(pattern, attributes);
}

std::string Dir() {
  const auto& listing = CurrentListing();
  if (!listing) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, "Dir");
  return listing->Next();
}

DirListingGuard::DirListingGuard() : saved_(CurrentListing()) {}

DirListingGuard::~DirListingGuard() {
  CurrentListing() = std::move(saved_);
}

}  // namespace Platform
