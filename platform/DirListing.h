#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

class FolderHandle;

// A directory listing: the names that match a pattern ("folder/name pattern",
// wildcards only in the last level, see MatchesPattern) and an attribute mask,
// handed out one at a time. The names are taken when the listing starts (a
// snapshot), sorted without regard to case, so files made or removed later,
// or other listings, never disturb it.
//
// The mask says which kinds besides plain files are listed: Hidden, System,
// Directory (folders, with "." and ".."). Plain files are always listed, so a
// listing with Directory also hands out files. A pattern whose last level has
// no wildcard names one entry; an empty last level lists the whole folder.
class TAVRO_PLATFORM_API DirListing {
 public:
  // Takes the snapshot and hands out its first name, "" when there is none. A
  // missing folder lists nothing; a wildcard in a folder level raises error 52.
  std::string Start(std::string_view pattern, int32_t attributes = 0);
  // The same for a pattern below an open folder ("M3/*.KVX"), found from it
  // without walking its path again; NativeFolder() is then below it too.
  std::string Start(const FolderHandle& folder, std::string_view pattern, int32_t attributes = 0);
  // The next name, "" when all were handed out.
  std::string Next();
  bool Started() const { return started_; }
  // All the names the listing hands out, in order, with their native names
  // and lengths at the same places.
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::string>& NativeNames() const { return nativeNames_; }
  const std::vector<int64_t>& Lengths() const { return lengths_; }
  // The entry handed out last as the file system names it, and the native
  // folder listed ("" for the current one or the open folder started in, else
  // ending in "/"): together they open that very entry, whatever bytes its
  // name holds ("" before the first).
  const std::string& NativeName() const {
    static const std::string none;
    return next_ == 0 ? none : nativeNames_[next_ - 1];
  }
  const std::string& NativeFolder() const { return nativeFolder_; }
  // The length in bytes of the entry handed out last, as it was when the
  // listing started (0 for a folder, or before the first name).
  int64_t Length() const { return next_ == 0 ? 0 : lengths_[next_ - 1]; }
  // Whether listings take the length of each file (they do unless told
  // otherwise). Without, a file that the folder itself says is a plain file is
  // listed without being looked up, with the length 0.
  void TakeLengths(bool take) { takeLengths_ = take; }

  // The entries that match the pattern and were left out for their kind
  // alone: folders when they were not asked for, and what is neither a file
  // nor a folder (a pipe, a socket, a device, a link to nothing or a loop of
  // links). Kind is a NotRegular kind or ELOOP (Files.h). Hidden entries not
  // asked for are not among them.
  struct Unusable {
    std::string Name;
    int Kind = 0;
  };
  const std::vector<Unusable>& LeftOut() const { return leftOut_; }

 private:
  std::string StartAt(int base, std::string_view pattern, int32_t attributes);

  std::vector<std::string> names_;
  std::vector<std::string> nativeNames_;
  std::string nativeFolder_;
  std::vector<int64_t> lengths_;
  std::vector<Unusable> leftOut_;
  size_t next_ = 0;
  bool started_ = false;
  bool takeLengths_ = true;
};

// The program's directory listing, as the classic runtime keeps one: starting
// a listing ends the one in progress, and Dir() continues the one started last.
TAVRO_PLATFORM_API std::string Dir(std::string_view pattern, int32_t attributes = 0);
// The next name of the listing started last; "" at its end; raises error 5
// when no listing was started.
TAVRO_PLATFORM_API std::string Dir();

// Keeps the program's listing safe across a nested one: while the guard lives,
// a routine (an event handler, say) may start listings of its own; when it
// ends, the listing in progress before it is the current one again, at the
// name it had reached.
class TAVRO_PLATFORM_API DirListingGuard {
 public:
  DirListingGuard();
  ~DirListingGuard();
  DirListingGuard(const DirListingGuard&) = delete;
  DirListingGuard& operator=(const DirListingGuard&) = delete;

 private:
  std::shared_ptr<DirListing> saved_;
};

}  // namespace Platform
