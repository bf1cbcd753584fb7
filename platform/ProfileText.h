#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

// The text of a profile (INI) file, with the classic rules: "[name]" opens a
// section, "key=value" lines follow; section names and keys compare without
// regard to case; blanks around names and values are not part of them; a line
// starting with ";" is a comment; lines before the first section belong to
// none. A section named twice counts as one, in file order, and the first line
// with a key wins. Lines end in CR LF or LF. Text is Windows-1252 bytes.

struct ProfileEntry {
  std::string Key;    // trimmed; the whole line when it holds no "="
  std::string Value;  // trimmed text after the first "="
  bool HasValue = false;
};

struct ProfileSection {
  std::string Name;
  std::vector<ProfileEntry> Entries;
};

struct TAVRO_PLATFORM_API ProfileDocument {
  std::vector<ProfileSection> Sections;

  // The first entry of key in the section, or nullptr.
  const ProfileEntry* Find(std::string_view section, std::string_view key) const;
  // The section's lines ("key=value", or the line as it stands when it holds
  // no "="), in file order; empty when the section is missing.
  std::vector<std::string> SectionLines(std::string_view section) const;
};

TAVRO_PLATFORM_API ProfileDocument ParseProfileText(std::string_view text);

// The text with key set to value in section: the key's first line is
// rewritten; a missing key is added after the section's last entry; a missing
// section is added at the end. Every other line stays as it was, byte for
// byte. Line breaks in value become blanks, so a value cannot open a section.
TAVRO_PLATFORM_API std::string SetProfileValue(std::string_view text, std::string_view section,
                                               std::string_view key, std::string_view value);

}  // namespace Platform
