#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

// Profile (INI) files on disk, by their system path (found without regard to
// case, see Files.h). The rules of the text are in ProfileText.h. A file that
// is missing or cannot be read gives the defaults; one that is there and
// cannot be read (a pipe, a folder) is reported once.

// The key's value as a whole number: an optional sign, then decimal digits (or
// 0x and hexadecimal digits), up to the first other character; 0 when the
// value does not start with a number; defaultValue when the key is missing or
// its value is empty.
TAVRO_PLATFORM_API int32_t ReadProfileInt(std::string_view path, std::string_view section,
                                          std::string_view key, int32_t defaultValue);

// The key's value, without a pair of matching quotes (" or ') around it;
// defaultValue when the key is missing.
TAVRO_PLATFORM_API std::string ReadProfileString(std::string_view path, std::string_view section,
                                                 std::string_view key,
                                                 std::string_view defaultValue);

// The section's lines ("key=value"), in file order.
TAVRO_PLATFORM_API std::vector<std::string> ReadProfileSection(std::string_view path,
                                                               std::string_view section);

// Sets the key's value, creating the file and the section when missing and
// keeping every other line. The file is changed as the settings store changes
// its files (RewriteFile in SafeFile.h: locked, read afresh, replaced
// atomically, a symbolic link kept). False when the file could not be read or
// written; each such failure is reported once (Problems.h), except a file
// whose folder does not exist, which is simply not written.
TAVRO_PLATFORM_API bool WriteProfileString(std::string_view path, std::string_view section,
                                           std::string_view key, std::string_view value);

// Whether the last WriteProfileString of this process succeeded, for callers
// that drop its result and must still tell the person.
TAVRO_PLATFORM_API bool LastProfileWriteSucceeded();

}  // namespace Platform
