#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"
#include "platform/RegistryText.h"

namespace Platform {

// The registry store: keys holding typed values under two roots, the machine
// root and the per-user root, kept as one text file per root in the settings
// folder ("machine.settings" and "user.settings", format in RegistryText.h).
//
// Keys are opened or created to get a handle, values are queried and set
// through it, and the handle is closed. Every call answers a result code
// (RegResult). Key paths are levels joined by "\"; key paths and value names
// compare without regard to case.
//
// Each write locks the root's lock file ("<file>.lock", flock), reads the file
// afresh, changes it and replaces it atomically, so writers in several
// processes (the line-control program, a script) lose nothing. Reads pick up a
// change another process made. A damaged line or an unreadable file is
// reported once (Problems.h), never raised; a write that cannot be made
// answers AccessDenied, is reported once, and leaves the file as it was.

using RegKey = uint32_t;
inline constexpr RegKey UserRoot = 0x80000001u;
inline constexpr RegKey MachineRoot = 0x80000002u;

// Access asked for when a key is opened.
namespace RegAccess {
inline constexpr uint32_t QueryValue = 0x0001;
inline constexpr uint32_t SetValue = 0x0002;
inline constexpr uint32_t Read = 0x20019;
inline constexpr uint32_t Write = 0x20006;
inline constexpr uint32_t All = 0xF003F;
}  // namespace RegAccess

namespace RegResult {
inline constexpr int32_t Success = 0;
inline constexpr int32_t NotFound = 2;
inline constexpr int32_t AccessDenied = 5;
inline constexpr int32_t InvalidHandle = 6;
inline constexpr int32_t InvalidParameter = 87;
inline constexpr int32_t MoreData = 234;
}  // namespace RegResult

// Opens an existing key below parent (a root or an open key). NotFound when
// the key does not exist.
TAVRO_PLATFORM_API int32_t RegOpenKey(RegKey parent, std::string_view subKey, uint32_t access,
                                      RegKey& key);
// Opens the key, creating it and every missing level first.
TAVRO_PLATFORM_API int32_t RegCreateKey(RegKey parent, std::string_view subKey, uint32_t access,
                                        RegKey& key);
// The value's type and data. NotFound when the key or the value is missing.
TAVRO_PLATFORM_API int32_t RegQueryValue(RegKey key, std::string_view name, uint32_t& type,
                                         std::vector<uint8_t>& data);
TAVRO_PLATFORM_API int32_t RegSetValue(RegKey key, std::string_view name, uint32_t type,
                                       const std::vector<uint8_t>& data);
TAVRO_PLATFORM_API int32_t RegDeleteValue(RegKey key, std::string_view name);
// Removes the key below parent with every key below it.
TAVRO_PLATFORM_API int32_t RegDeleteKey(RegKey parent, std::string_view subKey);
// The key's values in stored order.
TAVRO_PLATFORM_API int32_t RegEnumValues(RegKey key, std::vector<RegValue>& values);
TAVRO_PLATFORM_API int32_t RegCloseKey(RegKey key);

// The file that holds a root (native path), in the current settings folder.
TAVRO_PLATFORM_API std::string RegistryFile(RegKey root);

}  // namespace Platform
