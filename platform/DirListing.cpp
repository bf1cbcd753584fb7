#include "platform/DirListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

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

// The entries of a folder, read straight from the system: a directory stream
// would look the folder up once more to learn that it is one.
class FolderEntries {
 public:
  FolderEntries(int base, const std::string& nativePath) { Reopen(base, nativePath); }
  ~FolderEntries() { Close(); }
  FolderEntries(const FolderEntries&) = delete;
  FolderEntries& operator=(const FolderEntries&) = delete;

  void Reopen(int base, const std::string& nativePath) {
    Close();
    fd_ = ::openat(base, nativePath.empty() ? "." : nativePath.c_str(),
                   O_RDONLY | O_NONBLOCK | O_DIRECTORY | O_CLOEXEC);
  }
  bool Open() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }
  // The next entry, nullptr after the last or when the folder cannot be read.
  const dirent64* Next() {
    if (at_ >= filled_) {
      const ssize_t got = ::getdents64(fd_, buffer_, sizeof buffer_);
      if (got <= 0) return nullptr;
      filled_ = static_cast<size_t>(got);
      at_ = 0;
    }
    const auto* entry = reinterpret_cast<const dirent64*>(buffer_ + at_);
    at_ += entry->d_reclen;
    return entry;
  }

 private:
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    at_ = filled_ = 0;
  }

  int fd_ = -1;
  alignas(dirent64) char buffer_[32768];
  size_t at_ = 0;
  size_t filled_ = 0;
};

}  // namespace

std::string DirListing::Start(std::string_view pattern, int32_t attributes) {
  return StartAt(AT_FDCWD, pattern, attributes);
}

std::string DirListing::Start(const FolderHandle& folder, std::string_view pattern,
                              int32_t attributes) {
  // A folder that is not open lists nothing below it.
  return StartAt(folder.Descriptor(), pattern, attributes);
}

std::string DirListing::StartAt(int base, std::string_view pattern, int32_t attributes) {
  names_.clear();
  nativeNames_.clear();
  nativeFolder_.clear();
  lengths_.clear();
  leftOut_.clear();
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
    // One entry: found directly, without reading the folder.
    const std::string resolved =
        ResolveNativeAt(base, NativePath(std::string(folder) + std::string(name)));
    const std::string onDisk =
        resolved.substr(resolved.rfind('/') == std::string::npos ? 0 : resolved.rfind('/') + 1);
    int64_t length = 0;
    const int32_t entryAttributes = EntryAttributesAt(base, resolved, &length);
    if (Wanted(entryAttributes, attributes)) {
      names_.push_back(SystemPath(onDisk));
      nativeNames_.push_back(onDisk);
      nativeFolder_ = resolved.substr(0, resolved.size() - onDisk.size());
      lengths_.push_back(length);
    } else if (!HiddenName(onDisk) || (attributes & FileAttribute::Hidden) != 0) {
      const int kind = EntryKindAt(base, resolved);
      if (kind != 0 && kind != ENOENT) leftOut_.push_back({SystemPath(onDisk), kind});
    }
    return Next();
  }

  // The folder as written first: only a folder copied with its names in
  // another case pays for looking them up level by level.
  nativeFolder_ = NativePath(folder);
  FolderEntries entries(base, nativeFolder_);
  if (!entries.Open() && (errno == ENOENT || errno == ENOTDIR)) {
    nativeFolder_ = ResolveNativeAt(base, nativeFolder_);
    entries.Reopen(base, nativeFolder_);
  }
  if (!entries.Open()) return {};
  if (!nativeFolder_.empty() && nativeFolder_.back() != '/') nativeFolder_ += '/';
  struct Found {
    std::string folded;
    std::string name;
    std::string native;
    int64_t length;
    bool operator<(const Found& other) const {
      if (folded != other.folded) return folded < other.folded;
      return name != other.name ? name < other.name : native < other.native;
    }
  };
  std::vector<Found> found;
  const std::string foldedPattern = Runtime::FoldCase(name);
  std::string nativeName;
  std::string systemName;
  std::string folded;
  while (const dirent64* entry = entries.Next()) {
    nativeName.assign(entry->d_name);
    AssignSystemPath(systemName, nativeName);
    folded.assign(systemName);
    for (char& c : folded) c = Runtime::FoldChar(c);
    if (!MatchesFoldedPattern(folded, foldedPattern)) continue;
    const bool dots = nativeName == "." || nativeName == "..";
    int64_t length = 0;
    int32_t entryAttributes = FileAttribute::Directory;
    // A folder's length is 0 whatever it holds: the listing's word that an
    // entry is one spares looking it up.
    if (!dots && entry->d_type == DT_DIR) {
      if (HiddenName(nativeName)) entryAttributes |= FileAttribute::Hidden;
    } else if (!dots && entry->d_type == DT_REG && !takeLengths_) {
      entryAttributes = HiddenName(nativeName) ? FileAttribute::Hidden : FileAttribute::Normal;
    } else if (!dots) {
      entryAttributes = EntryAttributesAt(entries.Descriptor(), nativeName, &length);
    }
    if (Wanted(entryAttributes, attributes)) {
      found.push_back({folded, systemName, nativeName, length});
    } else if (!dots && (!HiddenName(nativeName) || (attributes & FileAttribute::Hidden) != 0)) {
      const int kind =
          entryAttributes < 0 ? EntryKindAt(entries.Descriptor(), nativeName) : NotRegular::Folder;
      if (kind != 0 && kind != ENOENT && (kind != NotRegular::Folder || entryAttributes >= 0)) {
        leftOut_.push_back({systemName, kind});
      }
    }
  }
  std::sort(leftOut_.begin(), leftOut_.end(),
            [](const Unusable& a, const Unusable& b) { return a.Name < b.Name; });
  std::sort(found.begin(), found.end());
  names_.reserve(found.size());
  nativeNames_.reserve(found.size());
  lengths_.reserve(found.size());
  for (auto& f : found) {
    names_.push_back(std::move(f.name));
    nativeNames_.push_back(std::move(f.native));
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
