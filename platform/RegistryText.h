#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

// The text form of one root of the settings store (one file per root):
//
//   ; a comment
//   [Software\Tavro\TavroKordex\Preferences]
//   "Data Directory"=sz:"/srv/data/"
//   "Update Interval"=dword:5
//   "Logo"=hex:01,ff,20
//   @=sz:"the key's unnamed value"
//   "Path"=hex(2):25,00
//
// A key line names the key's full path below the root, its levels separated by
// "\"; the value lines below it belong to that key until the next key line.
// Names and quoted texts take the escapes \\ \" \t \n \r and \xHH; "sz:"
// followed by unquoted text takes the rest of the line as it stands. "dword:"
// holds a decimal number (or 0x and hexadecimal digits); "hex:" bytes of a
// binary value; "hex(T):" the bytes of a value of any other type T
// (hexadecimal). Key paths and value names compare without regard to case. A
// key may appear twice and a value may be given twice: the key's values are
// merged and the later value counts, so appending lines to the file is a valid
// way to change it. Lines starting with ";" or "#" are comments. The file is
// UTF-8 (a line that is not valid UTF-8 is read as Windows-1252).

// Value types as the store numbers them.
namespace RegType {
inline constexpr uint32_t Text = 1;
inline constexpr uint32_t ExpandableText = 2;
inline constexpr uint32_t Binary = 3;
inline constexpr uint32_t Number = 4;
inline constexpr uint32_t MultiText = 7;
}  // namespace RegType

// One stored value. Text is stored with its terminating NUL, a number as four
// bytes, least significant first. The empty name is the key's unnamed value.
struct RegValue {
  std::string Name;
  uint32_t Type = RegType::Text;
  std::vector<uint8_t> Data;
  friend bool operator==(const RegValue&, const RegValue&) = default;
};

// The data of a text value (the text and its NUL) and of a number value.
TAVRO_PLATFORM_API std::vector<uint8_t> TextData(std::string_view text);
TAVRO_PLATFORM_API std::vector<uint8_t> NumberData(uint32_t number);
// The number that up to four bytes of data hold, least significant first.
TAVRO_PLATFORM_API uint32_t NumberOf(const std::vector<uint8_t>& data);

struct TAVRO_PLATFORM_API RegistryKey {
  // One line of the key: a value, or a line kept as it was written (a
  // comment, or a damaged line, so that nobody's text is lost on a rewrite).
  struct Entry {
    bool IsValue = true;
    RegValue Value;
    std::string Line;
  };
  std::string Path;  // levels joined by "\", spelt as first written
  std::vector<Entry> Entries;

  // The value of that name (without regard to case), or nullptr.
  RegValue* Find(std::string_view name);
};

struct TAVRO_PLATFORM_API RegistryDocument {
  std::vector<std::string> Leading;  // comment or damaged lines before the first key
  std::vector<RegistryKey> Keys;
  std::vector<std::string> Problems;  // one text for each damaged line

  // The key of that path (without regard to case), or nullptr.
  RegistryKey* Find(std::string_view path);
  // The key, made (at the end) when it is missing.
  RegistryKey& Make(std::string_view path);
  // Removes the key and every key below it; false when there was none.
  bool Remove(std::string_view path);
  // True when the key or a key below it is present.
  bool Exists(std::string_view path) const;

 private:
  size_t* Lookup(std::string_view path) const;
  // Folded path -> position in Keys; rebuilt when Keys changed in size.
  mutable std::unordered_map<std::string, size_t> index_;
};

// The path with empty levels dropped ("\a\\b\" is "a\b").
TAVRO_PLATFORM_API std::string NormaliseKeyPath(std::string_view path);

// Reads a settings file's text. Never fails: a line it cannot read is kept as
// written and named in Problems.
TAVRO_PLATFORM_API RegistryDocument ParseRegistryText(std::string_view text);

// Writes a document back as text (values in the readable form when there is one).
TAVRO_PLATFORM_API std::string FormatRegistryText(const RegistryDocument& document);

}  // namespace Platform
