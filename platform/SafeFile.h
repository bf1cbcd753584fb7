#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>

namespace Platform {

// Whole-file reads and atomic replacement, used by the settings store and the
// profile files. Paths here are native (UTF-8). Results are errno values, 0 on
// success. Internal to the platform library.

// The file's whole content; ENOENT when it does not exist. Only a regular file
// is read; anything else is refused at once with its kind (Files.h).
int ReadWholeFile(const std::string& path, std::string& content);

// Replaces (or creates) the file with content so that a reader sees either the
// old file or the new one, never a part: a temporary file in the same folder is
// written, flushed to disk and renamed over the file, and the folder is flushed.
// An existing file keeps its permission bits. On failure the old file is left
// as it was.
int ReplaceFile(const std::string& path, const std::string& content);

// How a change of a shared file went (RewriteFile). Error is 0 on success,
// else an errno value or a NotRegular kind (Files.h), and Step says what could
// not be done ("cannot be locked", "cannot be read", "cannot be written").
struct RewriteResult {
  int Error = 0;
  const char* Step = "";
  // The file changed or read: the target when the path is a symbolic link.
  std::string Target;
};

// Changes a file that several processes may write, losing nobody's change:
// - a symbolic link is followed to the file it names (once, to its end), and
//   that file is replaced in its own folder, so the link stays a link; a link
//   to nothing or a loop of links is refused;
// - the lock "<path>.lock" is held throughout (FileLock);
// - temporary files of writers that were killed mid-write are removed;
// - the file is read afresh and change() is called with its text (empty when
//   the file is missing, exists then false); when change() answers true the
//   file is replaced atomically (ReplaceFile) with the text as changed.
// An entry that is not a regular file is never waited on (OpenRegularFile).
RewriteResult RewriteFile(const std::string& path,
                          const std::function<bool(std::string& text, bool exists)>& change);

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
