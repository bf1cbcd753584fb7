#pragma once

// Properties every input must keep through the readers of outside text, shared
// by the fuzz targets and the test that runs their seed corpus. Each check
// answers "" when the input passed, else what went wrong.

#include <string>
#include <string_view>

#include "platform/ProfileText.h"
#include "platform/RegistryText.h"
#include "platform/RichText.h"
#include "runtime/CaseFold.h"

namespace FuzzChecks {

// Reading never fails; setting a key reads back and leaves the other keys as
// they were.
inline std::string CheckProfileText(std::string_view data) {
  const Platform::ProfileDocument before = Platform::ParseProfileText(data);
  for (const auto& section : before.Sections) (void)before.SectionLines(section.Name);

  const std::string value(data.substr(0, 40));
  const std::string changed = Platform::SetProfileValue(data, "Fuzz Section", "Fuzz Key", value);
  const Platform::ProfileDocument after = Platform::ParseProfileText(changed);
  const Platform::ProfileEntry* written = after.Find("Fuzz Section", "Fuzz Key");
  if (written == nullptr) return "a written key is missing";
  std::string expected;
  for (char c : value) expected += (c == '\r' || c == '\n') ? ' ' : c;
  const size_t first = expected.find_first_not_of(" \t\r\f\v");
  const size_t last = expected.find_last_not_of(" \t\r\f\v");
  expected = first == std::string::npos ? std::string() : expected.substr(first, last - first + 1);
  if (written->Value != expected) return "a written key reads back another value";

  size_t checked = 0;
  for (const auto& section : before.Sections) {
    for (const auto& entry : section.Entries) {
      if (++checked > 200) return {};
      const Platform::ProfileEntry* old = before.Find(section.Name, entry.Key);
      const Platform::ProfileEntry* now = after.Find(section.Name, entry.Key);
      const bool target = Runtime::EqualsNoCase(section.Name, "Fuzz Section") &&
                          Runtime::EqualsNoCase(entry.Key, "Fuzz Key");
      if (target || old == nullptr) continue;
      if (now == nullptr || now->Value != old->Value) return "a write changed another key";
    }
  }
  return {};
}

// Reading never fails, and writing what was read gives a text that reads the
// same and writes back unchanged; a value set on it reads back.
inline std::string CheckRegistryText(std::string_view data) {
  Platform::RegistryDocument doc = Platform::ParseRegistryText(data);
  const std::string text = Platform::FormatRegistryText(doc);
  Platform::RegistryDocument again = Platform::ParseRegistryText(text);
  if (Platform::FormatRegistryText(again) != text) return "writing what was read is not stable";
  if (again.Keys.size() != doc.Keys.size()) return "keys were lost or added";
  size_t checked = 0;
  for (auto& key : doc.Keys) {
    Platform::RegistryKey* other = again.Find(key.Path);
    if (other == nullptr) return "a key was lost";
    for (const auto& entry : key.Entries) {
      if (!entry.IsValue) continue;
      if (++checked > 500) break;
      const Platform::RegValue* value = other->Find(entry.Value.Name);
      if (value == nullptr || !(*value == entry.Value)) return "a value changed";
    }
  }

  const std::string bytes(data.substr(0, 64));
  std::string level(data.substr(0, 8));
  for (char& c : level) {
    if (static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  Platform::RegistryKey& key = again.Make("Software\\Fuzz\\" + level);
  key.Entries.push_back(
      {true, Platform::RegValue{bytes, Platform::RegType::Text, Platform::TextData(bytes)}, {}});
  Platform::RegistryDocument third =
      Platform::ParseRegistryText(Platform::FormatRegistryText(again));
  Platform::RegistryKey* found = third.Find(key.Path);
  if (found == nullptr) return "a new key was lost";
  bool seen = false;
  for (const auto& entry : found->Entries) {
    if (entry.IsValue && Runtime::EqualsNoCase(entry.Value.Name, bytes))
      seen = entry.Value.Data == Platform::TextData(bytes);
  }
  return seen ? std::string() : "a new value does not read back";
}

// Reading never fails, and what was read writes to RTF that reads back the same.
inline std::string CheckRichText(std::string_view data) {
  const Platform::RichDocument doc = Platform::ReadRtf(data);
  if (doc.Paragraphs.empty()) return "a document without a paragraph";
  if (Platform::ReadRtf(Platform::WriteRtf(doc)) != doc) return "writing what was read changes it";
  return {};
}

}  // namespace FuzzChecks
