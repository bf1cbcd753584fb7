#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/Paths.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr int FolderFlags = O_RDONLY | O_NONBLOCK | O_DIRECTORY | O_CLOEXEC;

bool Exists(int base, const std::string& native) {
  struct stat st {};
  return fstatat(base, native.c_str(), &st, 0) == 0;
}

// The entry of folder whose name equals name without regard to case; when
// several do, the smallest, so the choice does not depend on the folder's order.
bool FindNoCase(int base, const std::string& folder, const std::string& name, std::string& found) {
  const int fd = openat(base, folder.empty() ? "." : folder.c_str(), FolderFlags);
  if (fd < 0) return false;
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    close(fd);
    return false;
  }
  const std::string wanted = Runtime::FoldCase(SystemPath(name));
  bool any = false;
  while (const dirent* entry = readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (!Runtime::EqualsNoCase(SystemPath(candidate), wanted)) continue;
    if (!any || candidate < found) found = candidate;
    any = true;
  }
  closedir(dir);
  return any;
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// Plain wildcard match on folded text; backtracks only to the last "*".
bool Glob(std::string_view name, std::string_view pattern) {
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

namespace {

int32_t AttributesOf(const struct stat& st, std::string_view nativeName, int64_t* length) {
  if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) return -1;
  if (length != nullptr) *length = S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size) : 0;
  int32_t attributes = FileAttribute::Normal;
  if (S_ISDIR(st.st_mode)) attributes |= FileAttribute::Directory;
  if ((st.st_mode & 0222) == 0) attributes |= FileAttribute::ReadOnly;
  if (HiddenName(nativeName)) attributes |= FileAttribute::Hidden;
  return attributes;
}

}  // namespace

namespace {

int KindOf(mode_t mode) {
  if (S_ISREG(mode)) return 0;
  if (S_ISDIR(mode)) return NotRegular::Folder;
  if (S_ISFIFO(mode)) return NotRegular::Pipe;
  if (S_ISSOCK(mode)) return NotRegular::Socket;
  return NotRegular::Device;
}

}  // namespace

int EntryKind(const std::string& nativePath) {
  return EntryKindAt(AT_FDCWD, nativePath);
}

int EntryKindAt(int folder, const std::string& nativePath) {
  struct stat st {};
  if (fstatat(folder, nativePath.c_str(), &st, 0) == 0) return KindOf(st.st_mode);
  if (errno == ELOOP) return ELOOP;
  if (fstatat(folder, nativePath.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) {
    return NotRegular::LinkToNothing;
  }
  return ENOENT;
}

namespace {

int OpenRegularAt(int folder, const char* nativePath, int flags, int& error, unsigned mode,
                  int64_t* length) {
  error = 0;
  const int fd = openat(folder, nativePath, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) {
    error = errno;
    // A FIFO without a reader refuses a write with ENXIO: name what it is.
    if (error == ENXIO || error == EISDIR || error == ENOENT) {
      const int kind = EntryKindAt(folder, nativePath);
      if (kind < 0) error = kind;
    }
    return -1;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    error = errno;
    close(fd);
    return -1;
  }
  if (const int kind = KindOf(st.st_mode); kind != 0) {
    error = kind;
    close(fd);
    return -1;
  }
  if (length != nullptr) *length = static_cast<int64_t>(st.st_size);
  // O_NONBLOCK stays: a regular file ignores it, and clearing it would cost
  // two more calls on every file a load opens.
  return fd;
}

}  // namespace

int OpenRegularFile(const std::string& nativePath, int flags, int& error, unsigned mode,
                    int64_t* length) {
  return OpenRegularAt(AT_FDCWD, nativePath.c_str(), flags, error, mode, length);
}

int OpenRegularFileAt(const FolderHandle& folder, const char* nativePath, int flags, int& error,
                      unsigned mode, int64_t* length) {
  if (!folder.IsOpen()) {
    error = folder.Error();
    return -1;
  }
  return OpenRegularAt(folder.Descriptor(), nativePath, flags, error, mode, length);
}

std::string FileErrorText(int error) {
  switch (error) {
    case 0: return "no error";
    case NotRegular::Folder: return "it is a folder";
    case NotRegular::Pipe: return "it is a pipe (FIFO), not a file";
    case NotRegular::Socket: return "it is a socket, not a file";
    case NotRegular::Device: return "it is a device, not a file";
    case NotRegular::LinkToNothing: return "it is a link to nothing";
    case ELOOP: return "it is a loop of links";
    default: return std::strerror(error);
  }
}

bool HiddenName(std::string_view nativeName) {
  return nativeName.size() > 1 && nativeName[0] == '.' && nativeName != "..";
}

int32_t EntryAttributesAt(int folder, const std::string& nativePath, int64_t* length) {
  struct stat st {};
  if (fstatat(folder, nativePath.c_str(), &st, 0) != 0) return -1;
  const size_t slash = nativePath.rfind('/');
  return AttributesOf(st, std::string_view(nativePath).substr(slash + 1), length);
}

std::string ResolveNativeAt(int folder, const std::string& native) {
  if (native.empty() || Exists(folder, native)) return native;

  const bool absolute = native[0] == '/';
  const bool trailing = native.back() == '/';
  std::vector<std::string> levels;
  for (size_t start = 0; start < native.size();) {
    size_t end = native.find('/', start);
    if (end == std::string::npos) end = native.size();
    if (end > start) levels.emplace_back(native.substr(start, end - start));
    start = end + 1;
  }
  auto prefix = [&](size_t count) {
    std::string p = absolute ? "/" : "";
    for (size_t i = 0; i < count; ++i) p = Join(p, levels[i]);
    return p;
  };
  // The deepest level that exists as written; the levels below it are looked for.
  size_t known = levels.size();
  while (known > 0 && !Exists(folder, prefix(known))) --known;
  std::string current = prefix(known);
  for (size_t i = known; i < levels.size(); ++i) {
    std::string found;
    const std::string exact = Join(current, levels[i]);
    if (Exists(folder, exact)) {
      current = exact;
    } else if (FindNoCase(folder, current, levels[i], found)) {
      current = Join(current, found);
    } else {
      for (; i < levels.size(); ++i) current = Join(current, levels[i]);
      break;
    }
  }
  if (trailing && (current.empty() || current.back() != '/')) current += '/';
  return current;
}

std::string ResolvePath(std::string_view path) {
  return ResolveNativeAt(AT_FDCWD, NativePath(path));
}

FolderHandle::FolderHandle(std::string_view path) {
  Open(AT_FDCWD, path);
}

FolderHandle::FolderHandle(const FolderHandle& parent, std::string_view path) {
  if (parent.IsOpen()) {
    Open(parent.Descriptor(), path);
  } else {
    error_ = parent.Error();
  }
}

FolderHandle::~FolderHandle() {
  Close();
}

FolderHandle::FolderHandle(FolderHandle&& other) noexcept : fd_(other.fd_), error_(other.error_) {
  other.fd_ = -1;
  other.error_ = ENOENT;
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    error_ = other.error_;
    other.fd_ = -1;
    other.error_ = ENOENT;
  }
  return *this;
}

void FolderHandle::Open(int base, std::string_view path) {
  // The path as written first: only a folder copied with its names in another
  // case pays for looking them up level by level.
  const std::string native = NativePath(path);
  fd_ = openat(base, native.empty() ? "." : native.c_str(), FolderFlags);
  if (fd_ < 0 && (errno == ENOENT || errno == ENOTDIR)) {
    const std::string resolved = ResolveNativeAt(base, native);
    if (resolved != native) fd_ = openat(base, resolved.c_str(), FolderFlags);
  }
  error_ = fd_ < 0 ? errno : 0;
}

void FolderHandle::Close() noexcept {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool PathExists(std::string_view path) {
  return !path.empty() && Exists(AT_FDCWD, ResolvePath(path));
}

bool IsFolder(std::string_view path) {
  struct stat st {};
  return !path.empty() && stat(ResolvePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(std::string_view path) {
  struct stat st {};
  return !path.empty() && stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int32_t GetAttr(std::string_view path) {
  std::string native = ResolvePath(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  const int32_t attributes = native.empty() ? -1 : EntryAttributesAt(AT_FDCWD, native);
  if (attributes < 0) Runtime::Raise(Runtime::ErrorNumber::FileNotFound, "GetAttr");
  return attributes;
}

int64_t FileLen(std::string_view path) {
  const std::string native = ResolvePath(path);
  struct stat st {};
  if (native.empty() || stat(native.c_str(), &st) != 0) {
    Runtime::Raise(Runtime::ErrorNumber::FileNotFound, "FileLen");
  }
  return static_cast<int64_t>(st.st_size);
}

void MakeFolder(std::string_view path) {
  const std::string native = ResolvePath(path);
  if (native.empty() || mkdir(native.c_str(), 0777) != 0) {
    Runtime::Raise(errno == ENOENT ? Runtime::ErrorNumber::PathNotFound
                                   : Runtime::ErrorNumber::PathFileAccessError,
                   "MkDir");
  }
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  return MatchesFoldedPattern(Runtime::FoldCase(name), Runtime::FoldCase(pattern));
}

bool MatchesFoldedPattern(std::string_view foldedName, std::string_view foldedPattern) {
  if (Glob(foldedName, foldedPattern)) return true;
  return foldedPattern.size() >= 2 && foldedPattern.ends_with(".*") &&
         Glob(foldedName, foldedPattern.substr(0, foldedPattern.size() - 2));
}

}  // namespace Platform
