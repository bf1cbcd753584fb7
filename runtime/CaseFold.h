#pragma once

#include <string>
#include <string_view>

namespace Runtime {

// Lower case of one Windows-1252 byte: ASCII letters, the accented Latin-1
// capitals (0xC0-0xDE but 0xD7) and the three capitals of the 0x80 range.
constexpr char FoldChar(char c) noexcept {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 16);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

// Upper case of one Windows-1252 byte, the inverse of FoldChar.
constexpr char UpperChar(char c) noexcept {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 16);
  if (b == 0xFF) return static_cast<char>(0x9F);
  return c;
}

// The text with every byte folded: what keys and names are compared by when the
// comparison is "without regard to case".
inline std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = FoldChar(c);
  return out;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    // Equal bytes need no folding; names compared are mostly spelt alike.
    if (a[i] != b[i] && FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

}  // namespace Runtime
