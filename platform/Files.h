#pragma once

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/PlatformApi.h"

namespace Platform {

// Files and folders by their system path (Windows-1252, "/" between levels).
// A path is found without regard to case: when a level of it does not exist as
// written, the level of that name in another case is taken ("HISTORY" for
// "History"), since data folders are copied from machines whose file system
// ignores case. A path that exists as written costs one stat.

// File attribute bits, as listings and attribute queries use them. A name
// starting with "." is hidden; a file nobody may write is read-only.
namespace FileAttribute {
inline constexpr int32_t Normal = 0;
inline constexpr int32_t ReadOnly = 1;
inline constexpr int32_t Hidden = 2;
inline constexpr int32_t System = 4;
inline constexpr int32_t Volume = 8;
inline constexpr int32_t Directory = 16;
inline constexpr int32_t Archive = 32;
}  // namespace FileAttribute

// The native path of a system path, each level found without regard to case.
// Levels that do not exist in any case are kept as written, so the result also
// names a file about to be made.
TAVRO_PLATFORM_API std::string ResolvePath(std::string_view path);

// An open folder: what lies below it is found from it, without walking its
// path from the root again for every file. It closes when it goes.
class TAVRO_PLATFORM_API FolderHandle {
 public:
  // No folder: Error() says ENOENT.
  FolderHandle() = default;
  // The folder of a system path, found without regard to case as ResolvePath
  // finds it (the path as written costs one open).
  explicit FolderHandle(std::string_view path);
  // The folder of a system path below an open folder, found the same way; not
  // open, with the parent's error, when the parent is not open.
  FolderHandle(const FolderHandle& parent, std::string_view path);
  ~FolderHandle();
  FolderHandle(FolderHandle&& other) noexcept;
  FolderHandle& operator=(FolderHandle&& other) noexcept;
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // The folder's descriptor, -1 when it is not open.
  int Descriptor() const { return fd_; }
  // Why it is not open: an errno value; 0 when it is.
  int Error() const { return error_; }

 private:
  void Open(int base, std::string_view path);
  void Close() noexcept;

  int fd_ = -1;
  int error_ = ENOENT;
};

TAVRO_PLATFORM_API bool PathExists(std::string_view path);
TAVRO_PLATFORM_API bool IsFolder(std::string_view path);
TAVRO_PLATFORM_API bool IsFile(std::string_view path);

// The attribute bits of a file or folder; raises error 53 when it is missing.
TAVRO_PLATFORM_API int32_t GetAttr(std::string_view path);

// The length in bytes; raises error 53 when the file is missing.
TAVRO_PLATFORM_API int64_t FileLen(std::string_view path);

// Makes one folder; raises 76 when its parent is missing and 75 when it exists
// or cannot be made.
TAVRO_PLATFORM_API void MakeFolder(std::string_view path);

// Whether a name matches a listing pattern: "*" any run of characters, "?" any
// one character, letters without regard to case; a pattern ending in ".*" also
// matches the name without an extension ("*.*" matches every name).
TAVRO_PLATFORM_API bool MatchesPattern(std::string_view name, std::string_view pattern);

// Kinds of entries that stand where a file was expected and are not one.
// They are kept apart from errno values (which are positive).
namespace NotRegular {
inline constexpr int Folder = -21;
inline constexpr int Pipe = -22;
inline constexpr int Socket = -23;
inline constexpr int Device = -24;
inline constexpr int LinkToNothing = -25;
}  // namespace NotRegular

// Opens a file by its native path without ever waiting on it: the open does
// not block (O_NONBLOCK, so a FIFO or a device answers at once) and only a
// regular file, or a symbolic link to one, is kept. flags are those of
// open(2) (O_CLOEXEC is added); O_NONBLOCK stays set, which a regular file
// ignores. On
// failure the result is -1 and error says why: an errno value, or a NotRegular
// kind (see FileErrorText).
// With length, also the file's length in bytes as it was opened.
TAVRO_PLATFORM_API int OpenRegularFile(const std::string& nativePath, int flags, int& error,
                                       unsigned mode = 0644, int64_t* length = nullptr);
// The same for a native path below an open folder: a file of a listing is
// opened without walking the folder's path again. A folder that is not open
// gives its own error.
TAVRO_PLATFORM_API int OpenRegularFileAt(const FolderHandle& folder, const char* nativePath,
                                         int flags, int& error, unsigned mode = 0644,
                                         int64_t* length = nullptr);
// A short text for an error of OpenRegularFile or of another file call ("it is
// a pipe (FIFO)", "No such file or directory").
TAVRO_PLATFORM_API std::string FileErrorText(int error);
// What a native path names: 0 a regular file (or a link to one), a NotRegular
// kind for anything else that is there, ENOENT when nothing is.
TAVRO_PLATFORM_API int EntryKind(const std::string& nativePath);

// Inside the platform library: the attributes of an entry at a native path
// below a folder open as the descriptor given (AT_FDCWD: the current folder);
// -1 when it is missing or neither a file nor a folder. With length, also its
// length in bytes (0 for a folder).
int32_t EntryAttributesAt(int folder, const std::string& nativePath, int64_t* length = nullptr);
// EntryKind for an entry at a native path below a folder open as the
// descriptor given.
int EntryKindAt(int folder, const std::string& nativePath);
// ResolvePath for a native path below a folder open as the descriptor given.
std::string ResolveNativeAt(int folder, const std::string& nativePath);
// Whether an entry of that native name is hidden: a dot starts it.
bool HiddenName(std::string_view nativeName);
// MatchesPattern over a name and a pattern already folded (Runtime::FoldCase).
bool MatchesFoldedPattern(std::string_view foldedName, std::string_view foldedPattern);

}  // namespace Platform
