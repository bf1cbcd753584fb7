#include "viewer/data/DataFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Files.h"
#include "platform/Paths.h"

namespace Kordex {

namespace {

bool Fail(std::string& bytes, std::string* why, std::string reason) {
  bytes.clear();
  if (why != nullptr) *why = std::move(reason);
  return false;
}

bool ReadOpened(int fd, int64_t length, std::string& bytes, size_t maxBytes, std::string* why) {
  // The size is a hint only: a file that grows or shrinks while it is read
  // gives what was there. One byte more than the size, so that a single read
  // meets the end, and one more than the limit, to tell a file too large.
  const size_t limit = maxBytes + 1;
  size_t capacity = static_cast<size_t>(length) + 1;
  if (capacity > limit) capacity = limit;
  bytes.resize(capacity);
  size_t filled = 0;
  int error = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (bytes.size() >= limit) break;
      size_t grown = bytes.size() < 4096 ? 4096 : bytes.size() * 2;
      if (grown > limit) grown = limit;
      bytes.resize(grown);
    }
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (got == 0) break;
    filled += static_cast<size_t>(got);
    // Exactly the size, with room left for more: the file is whole as it was
    // opened, and another read would only meet its end. Any other short read
    // is checked by one more.
    if (filled == static_cast<size_t>(length) && filled < bytes.size()) break;
  }
  ::close(fd);
  if (error != 0) return Fail(bytes, why, Platform::FileErrorText(error));
  if (filled > maxBytes) return Fail(bytes, why, std::string(DataFileTooLarge));
  bytes.resize(filled);
  return true;
}

}  // namespace

bool ReadDataFile(const std::string& FileName, std::string& bytes, size_t maxBytes,
                  std::string* why) {
  if (FileName.empty()) return Fail(bytes, why, Platform::FileErrorText(ENOENT));
  // The name as written first: only a data folder copied with its names in
  // another case pays for looking them up level by level.
  int error = 0;
  int64_t length = 0;
  int fd = Platform::OpenRegularFile(Platform::NativePath(FileName), O_RDONLY, error, 0, &length);
  if (fd < 0 && (error == ENOENT || error == ENOTDIR)) {
    fd = Platform::OpenRegularFile(Platform::ResolvePath(FileName), O_RDONLY, error, 0, &length);
  }
  if (fd < 0) return Fail(bytes, why, Platform::FileErrorText(error));
  return ReadOpened(fd, length, bytes, maxBytes, why);
}

bool ReadDataFileAt(const Platform::FolderHandle& Folder, const char* NativePath,
                    std::string& bytes, size_t maxBytes, std::string* why) {
  int error = 0;
  int64_t length = 0;
  const int fd = Platform::OpenRegularFileAt(Folder, NativePath, O_RDONLY, error, 0, &length);
  if (fd < 0) return Fail(bytes, why, Platform::FileErrorText(error));
  return ReadOpened(fd, length, bytes, maxBytes, why);
}

}  // namespace Kordex
