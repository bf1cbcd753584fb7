#pragma once

#include <string>
#include <string_view>

#include "platform/PlatformApi.h"

namespace Platform {

// Where the system keeps its files on this machine. Folder values end in "/".
// Paths inside the system are Windows-1252 text with "/" as the separator;
// NativePath and SystemPath convert at the file-name boundary (UTF-8 on disk).

// The settings folder: $TAVRO_CONFIG_DIR when set (tests), else
// $XDG_CONFIG_HOME/tavro/, else ~/.config/tavro/. Read anew on every call.
TAVRO_PLATFORM_API std::string ConfigFolder();

// The log folder: $XDG_STATE_HOME/tavro/Log/, else ~/.local/state/tavro/Log/.
TAVRO_PLATFORM_API std::string LogFolder();

// The program's own state folder, parent of the log folder.
TAVRO_PLATFORM_API std::string StateFolder();

// The user's home folder: $HOME when it is absolute, else the account's.
TAVRO_PLATFORM_API std::string HomeFolder();

// A system path as the file system names it, and back. A native name that is
// not UTF-8 is taken as Windows-1252 as it stands, so it reads as its bytes
// mean there ("CAF\xC9" is "CAFÉ"); NativePath of that is not the same bytes, so
// a listed entry is opened by the name the listing gave (DirListing).
TAVRO_PLATFORM_API std::string NativePath(std::string_view systemPath);
TAVRO_PLATFORM_API std::string SystemPath(std::string_view nativePath);
// SystemPath into a string whose room is reused.
TAVRO_PLATFORM_API void AssignSystemPath(std::string& systemPath, std::string_view nativePath);

}  // namespace Platform
