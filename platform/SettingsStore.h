#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

// The per-user settings store: text values by application, section and key.
// It lives in the per-user root of the registry store, under the key
// "Software\Program Settings\<application>\<section>"; a section may name
// deeper levels with "\" ("Date Macro\3"). Names compare without regard to
// case. A failed write is reported once (Problems.h) and not raised.

// The key path of an application's section.
TAVRO_PLATFORM_API std::string SettingsKeyPath(std::string_view application,
                                               std::string_view section);

// The stored text, or defaultValue when the key is missing. A value stored as a
// number (for example by a script) reads as its decimal text.
TAVRO_PLATFORM_API std::string GetSetting(std::string_view application, std::string_view section,
                                          std::string_view key, std::string_view defaultValue = {});
TAVRO_PLATFORM_API void SaveSetting(std::string_view application, std::string_view section,
                                    std::string_view key, std::string_view value);
// Removes one key, or with an empty key the whole section (and the sections
// below it). Removing what is not there does nothing.
TAVRO_PLATFORM_API void DeleteSetting(std::string_view application, std::string_view section,
                                      std::string_view key = {});
// Every key of a section with its text, in stored order; empty when the
// section is missing.
TAVRO_PLATFORM_API std::vector<std::pair<std::string, std::string>> GetAllSettings(
    std::string_view application, std::string_view section);

}  // namespace Platform
