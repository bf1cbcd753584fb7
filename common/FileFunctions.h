#pragma once

#include <cstdint>
#include <string>

namespace Common {

// File and folder tests over the platform's listings. Attributes are the
// listing's mask (Platform::FileAttribute): callers pass 0 or 7 for files, 16
// for folders (which lists files too) and 18 for folders and hidden entries.
// None of these raises.

// True when a listing of path (wildcards allowed in its last level) finds an
// entry. It uses a listing of its own, so a listing in progress goes on.
bool FileExists(const std::string& path, int32_t attributes);

// With a path: starts the program's listing and answers its first name; with
// "": the next name of the listing in progress. "" when there is none.
std::string SafeDir(const std::string& path, int32_t attributes);

// Makes every missing folder of path, level by level ("/" between levels; a
// path starting with "/" from the root, otherwise from the current folder,
// which stays as it was). False when a level cannot be made: a file stands in
// its place, it names a drive ("C:"), or making it failed.
bool CreatePath(const std::string& path);

}  // namespace Common
