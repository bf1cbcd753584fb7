#include "platform/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/Files.h"

namespace Platform {

namespace {

int WriteAll(int fd, const std::string& content) {
  const char* data = content.data();
  size_t left = content.size();
  while (left > 0) {
    const ssize_t n = write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  return 0;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Temporary files of a file are its name behind a dot, a dot and six letters
// or digits (mkostemp's): ".user.settings.a1B2c3".
std::string TempPrefix(const std::string& path) {
  const size_t slash = path.rfind('/');
  return "." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".";
}

bool IsTempOf(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) return false;
  for (const char c : name.substr(prefix.size())) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alnum) return false;
  }
  return true;
}

// Removes what writers killed mid-write left behind. Only called under the
// file's lock, when no other writer of it can be at work.
void RemoveLeftovers(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string prefix = TempPrefix(path);
  const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
  if (dirFd < 0) return;
  DIR* dir = fdopendir(dirFd);
  if (dir == nullptr) {
    close(dirFd);
    return;
  }
  while (const dirent* entry = readdir(dir)) {
    if (IsTempOf(entry->d_name, prefix)) unlinkat(dirFd, entry->d_name, 0);
  }
  closedir(dir);
}

// The file a write must replace: the path itself, or the file a symbolic link
// at the path leads to. An errno value or a NotRegular kind when the link
// leads nowhere.
int WriteTarget(const std::string& path, std::string& target) {
  target = path;
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) {
    return errno == ENOENT ? NotRegular::LinkToNothing : errno;
  }
  target = resolved;
  return 0;
}

}  // namespace

RewriteResult RewriteFile(const std::string& path,
                          const std::function<bool(std::string& text, bool exists)>& change) {
  RewriteResult result;
  if (const int rc = WriteTarget(path, result.Target); rc != 0) {
    result.Error = rc;
    result.Step = "cannot be written";
    return result;
  }
  const FileLock lock(path + ".lock");
  if (lock.Error() != 0) {
    result.Error = lock.Error();
    result.Step = "cannot be locked";
    return result;
  }
  RemoveLeftovers(result.Target);
  std::string text;
  const int rc = ReadWholeFile(result.Target, text);
  if (rc != 0 && rc != ENOENT) {
    result.Error = rc;
    result.Step = "cannot be read";
    return result;
  }
  if (!change(text, rc == 0)) return result;
  if (const int written = ReplaceFile(result.Target, text); written != 0) {
    result.Error = written;
    result.Step = "cannot be written";
  }
  return result;
}

int ReadWholeFile(const std::string& path, std::string& content) {
  content.clear();
  int error = 0;
  const int fd = OpenRegularFile(path, O_RDONLY, error);
  if (fd < 0) return error;
  char buffer[65536];
  int rc = 0;
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      rc = errno;
      break;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (rc != 0) content.clear();
  return rc;
}

int ReplaceFile(const std::string& path, const std::string& content) {
  const std::string folder = FolderOf(path);
  const size_t slash = path.rfind('/');
  std::string temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
                     TempPrefix(path) + "XXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return errno;

  struct stat old {};
  mode_t mode = 0644;
  if (stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;
  int rc = WriteAll(fd, content);
  if (rc == 0 && fchmod(fd, mode) != 0) rc = errno;
  if (rc == 0 && fsync(fd) != 0) rc = errno;
  if (close(fd) != 0 && rc == 0) rc = errno;
  if (rc == 0 && rename(temp.c_str(), path.c_str()) != 0) rc = errno;
  if (rc != 0) {
    unlink(temp.c_str());
    return rc;
  }
  const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
  return 0;
}

FileIdentity IdentityOf(const std::string& path) {
  FileIdentity id;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return id;
  id.Exists = true;
  id.Device = st.st_dev;
  id.Inode = st.st_ino;
  id.Size = st.st_size;
  id.Modified = st.st_mtim;
  return id;
}

FileLock::FileLock(const std::string& lockPath) {
  fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  while (flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    error_ = errno;
    close(fd_);
    fd_ = -1;
    return;
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace Platform
