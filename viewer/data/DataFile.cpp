#include "viewer/data/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Files.h"
#include "platform/Paths.h"

namespace Kordex {

bool ReadDataFile(const std::string& FileName, std::string& bytes, size_t maxBytes) {
  bytes.clear();
  if (FileName.empty()) return false;
  // The name as written first: only a data folder copied with its names in
  // another case pays for looking them up level by level.
  int fd = ::open(Platform::NativePath(FileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
    fd = ::open(Platform::ResolvePath(FileName).c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  // The size is a hint only: a file that grows or shrinks while it is read
  // gives what was there.
  // One byte more than the size, so that a single read meets the end.
  size_t capacity = static_cast<size_t>(info.st_size) + 1;
  if (capacity > maxBytes) capacity = maxBytes;
  bytes.resize(capacity);
  size_t filled = 0;
  bool ok = true;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() >= maxBytes) break;
      size_t grown = bytes.size() < 4096 ? 4096 : bytes.size() * 2;
      if (grown > maxBytes) grown = maxBytes;
      bytes.resize(grown);
    }
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (got == 0) break;
    filled += static_cast<size_t>(got);
  }
  ::close(fd);
  bytes.resize(ok ? filled : 0);
  return ok;
}

}  // namespace Kordex
