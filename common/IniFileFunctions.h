#pragma once

#include <cstdint>
#include <string>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Common {

// Profile (INI) files: a missing file gives the default (or an empty
// collection); nothing here raises for a missing or unreadable file.

// The key's whole number (see Platform::ReadProfileInt), defaultValue when the
// file or the key is missing.
int32_t ReadIniInt(const std::string& fileName, const std::string& section, const std::string& key,
                   int32_t defaultValue);

// Writes key = the text of value into section, making the file (when its
// folder exists) and the section when missing.
void WriteIniString(const std::string& fileName, const std::string& section, const std::string& key,
                    const Runtime::Variant& value);

// The key's text, whole however long, or defaultValue.
std::string ReadIniString(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& defaultValue);

// A new collection (no keys) of the section's lines, "key=value", in file order.
Runtime::CollectionRef ReadIniSection(const std::string& fileName, const std::string& section);

}  // namespace Common
