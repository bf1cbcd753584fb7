#pragma once

#include <sys/stat.h>

#include <string>

namespace Platform {

// Whole-file reads and atomic replacement, used by the settings store and the
// profile files. Paths here are native (UTF-8). Results are errno values, 0 on
// success. Internal to the platform library.

// The file's whole content; ENOENT when it does not exist.
int ReadWholeFile(const std::string& path, std::string& content);

// Replaces (or creates) the file with content so that a reader sees either the
// old file or the new one, never a part: a temporary file in the same folder is
// written, flushed to disk and renamed over the file, and the folder is flushed.
// An existing file keeps its permission bits. On failure the old file is left
// as it was.
int ReplaceFile(const std::string& path, const std::string& content);

// What tells one version of a file from another: device, inode, size and
// modification time. A replaced file always gets a new inode.
struct FileIdentity {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Modified{};
  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.Exists == b.Exists && a.Device == b.Device && a.Inode == b.Inode && a.Size == b.Size &&
           a.Modified.tv_sec == b.Modified.tv_sec && a.Modified.tv_nsec == b.Modified.tv_nsec;
  }
};
FileIdentity IdentityOf(const std::string& path);

// An exclusive advisory lock on a lock file (created when missing), held for
// the object's lifetime. Every writer of a settings file takes it, so writers
// in different processes follow one another.
class FileLock {
 public:
  explicit FileLock(const std::string& lockPath);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  // 0 when the lock is held, else the errno of the failure.
  int Error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace Platform
