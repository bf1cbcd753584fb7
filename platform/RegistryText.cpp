#include "platform/RegistryText.h"

#include <algorithm>
#include <cstdio>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/Encoding.h"

namespace Platform {

namespace {

using Runtime::HexDigit;

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && Runtime::EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string DecodeLine(std::string_view line) {
  return Runtime::IsValidUtf8(line) ? Runtime::Utf8ToCp1252(line) : std::string(line);
}

// A quoted text at the start of s (s[0] is the quote). Sets rest to what
// follows the closing quote; false when the quote is not closed.
bool ReadQuoted(std::string_view s, std::string& out, std::string_view& rest) {
  out.clear();
  size_t i = 1;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '"') {
      rest = s.substr(i + 1);
      return true;
    }
    if (c == '\\' && i + 1 < s.size()) {
      const char e = s[i + 1];
      switch (e) {
        case '\\':
          out += '\\';
          i += 2;
          continue;
        case '"':
          out += '"';
          i += 2;
          continue;
        case 't':
          out += '\t';
          i += 2;
          continue;
        case 'n':
          out += '\n';
          i += 2;
          continue;
        case 'r':
          out += '\r';
          i += 2;
          continue;
        case 'x':
          if (i + 3 < s.size() && HexDigit(s[i + 2]) >= 0 && HexDigit(s[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(s[i + 2]) * 16 + HexDigit(s[i + 3]));
            i += 4;
            continue;
          }
          break;
        default: break;
      }
    }
    out += c;  // an unknown escape stands for itself
    ++i;
  }
  return false;
}

bool ReadBytes(std::string_view s, std::vector<uint8_t>& out) {
  out.clear();
  s = Trim(s);
  if (s.empty()) return true;
  size_t i = 0;
  for (;;) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i + 2 > s.size()) return false;
    const int hi = HexDigit(s[i]);
    const int lo = HexDigit(s[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out.push_back(static_cast<uint8_t>(hi * 16 + lo));
    i += 2;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i == s.size()) return true;
    if (s[i] != ',') return false;
    ++i;
  }
}

bool ReadNumber(std::string_view s, uint32_t& out) {
  s = Trim(s);
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  uint64_t value = 0;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    s.remove_prefix(2);
    if (s.size() > 8) return false;
    for (char c : s) {
      const int d = HexDigit(c);
      if (d < 0) return false;
      value = value * 16 + static_cast<uint64_t>(d);
    }
  } else {
    if (s.size() > 10) return false;
    for (char c : s) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > (negative ? 0x80000000ull : 0xFFFFFFFFull)) return false;
  }
  out = static_cast<uint32_t>(negative ? (0 - value) : value);
  return true;
}

// The data part of a value line (after "="); false when it cannot be read.
bool ReadData(std::string_view s, RegValue& value) {
  s = Trim(s);
  std::string text;
  std::string_view rest;
  if (!s.empty() && s[0] == '"') {
    if (!ReadQuoted(s, text, rest) || !Trim(rest).empty()) return false;
    value.Type = RegType::Text;
    value.Data = TextData(text);
    return true;
  }
  if (StartsWithNoCase(s, "sz:")) {
    s.remove_prefix(3);
    if (!s.empty() && s[0] == '"') {
      if (!ReadQuoted(s, text, rest) || !Trim(rest).empty()) return false;
    } else {
      text = std::string(s);
    }
    value.Type = RegType::Text;
    value.Data = TextData(text);
    return true;
  }
  if (StartsWithNoCase(s, "dword:")) {
    uint32_t n = 0;
    if (!ReadNumber(s.substr(6), n)) return false;
    value.Type = RegType::Number;
    value.Data = NumberData(n);
    return true;
  }
  if (StartsWithNoCase(s, "hex:")) {
    value.Type = RegType::Binary;
    return ReadBytes(s.substr(4), value.Data);
  }
  if (StartsWithNoCase(s, "hex(")) {
    const size_t close = s.find("):");
    if (close == std::string_view::npos || close == 4 || close > 12) return false;
    uint64_t type = 0;
    for (char c : s.substr(4, close - 4)) {
      const int d = HexDigit(c);
      if (d < 0) return false;
      type = type * 16 + static_cast<uint64_t>(d);
    }
    value.Type = static_cast<uint32_t>(type);
    return ReadBytes(s.substr(close + 2), value.Data);
  }
  return false;
}

// A value line; false when it cannot be read.
bool ReadValueLine(std::string_view line, RegValue& value) {
  std::string_view rest;
  if (line[0] == '@') {
    value.Name.clear();
    rest = line.substr(1);
  } else if (line[0] == '"') {
    if (!ReadQuoted(line, value.Name, rest)) return false;
  } else {
    return false;
  }
  rest = Trim(rest);
  if (rest.empty() || rest[0] != '=') return false;
  return ReadData(rest.substr(1), value);
}

void AppendEscaped(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default:
        if (b < 0x20 || b == 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02x", b);
          out += hex;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void AppendBytes(std::string& out, const std::vector<uint8_t>& data) {
  char hex[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : ",%02x", data[i]);
    out += hex;
  }
}

// The value as one line of text (Windows-1252; the caller converts).
std::string ValueLine(const RegValue& value) {
  std::string line;
  if (value.Name.empty()) {
    line = "@";
  } else {
    AppendEscaped(line, value.Name);
  }
  line += '=';
  const auto& d = value.Data;
  if (value.Type == RegType::Text && !d.empty() && d.back() == 0 &&
      std::find(d.begin(), d.end() - 1, 0) == d.end() - 1) {
    line += "sz:";
    AppendEscaped(line, std::string_view(reinterpret_cast<const char*>(d.data()), d.size() - 1));
  } else if (value.Type == RegType::Number && d.size() == 4) {
    line += "dword:" + std::to_string(static_cast<int32_t>(NumberOf(d)));
  } else if (value.Type == RegType::Binary) {
    line += "hex:";
    AppendBytes(line, d);
  } else {
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", value.Type);
    line += type;
    AppendBytes(line, d);
  }
  return line;
}

// The start of a line as a report shows it.
std::string Shown(std::string_view line) {
  std::string shown = DecodeLine(line.substr(0, 80));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return shown;
}

std::string ProblemText(size_t lineNumber, std::string_view line) {
  return "line " + std::to_string(lineNumber) + " is damaged and was skipped: " + Shown(line);
}

bool IsKeyLine(std::string_view trimmed) {
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

}  // namespace

std::vector<uint8_t> TextData(std::string_view text) {
  std::vector<uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

std::vector<uint8_t> NumberData(uint32_t number) {
  return {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
          static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
}

uint32_t NumberOf(const std::vector<uint8_t>& data) {
  uint32_t n = 0;
  for (size_t i = 0; i < data.size() && i < 4; ++i) n |= static_cast<uint32_t>(data[i]) << (8 * i);
  return n;
}

RegValue* RegistryKey::Find(std::string_view name) {
  for (auto& e : Entries) {
    if (e.IsValue && Runtime::EqualsNoCase(e.Value.Name, name)) return &e.Value;
  }
  return nullptr;
}

std::string NormaliseKeyPath(std::string_view path) {
  std::string out;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      if (!out.empty()) out += '\\';
      out.append(path.substr(start, end - start));
    }
    start = end + 1;
  }
  return out;
}

size_t* RegistryDocument::Lookup(std::string_view path) const {
  if (index_.size() != Keys.size()) {
    index_.clear();
    for (size_t i = 0; i < Keys.size(); ++i) index_.emplace(Runtime::FoldCase(Keys[i].Path), i);
  }
  const auto it = index_.find(Runtime::FoldCase(NormaliseKeyPath(path)));
  return it == index_.end() ? nullptr : &it->second;
}

RegistryKey* RegistryDocument::Find(std::string_view path) {
  const size_t* at = Lookup(path);
  return at == nullptr ? nullptr : &Keys[*at];
}

RegistryKey& RegistryDocument::Make(std::string_view path) {
  if (RegistryKey* key = Find(path)) return *key;
  Keys.push_back(RegistryKey{NormaliseKeyPath(path), {}});
  index_.emplace(Runtime::FoldCase(Keys.back().Path), Keys.size() - 1);
  return Keys.back();
}

bool RegistryDocument::Exists(std::string_view path) const {
  if (Lookup(path) != nullptr) return true;
  const std::string folded = Runtime::FoldCase(NormaliseKeyPath(path));
  if (folded.empty()) return true;  // the root itself
  const std::string prefix = folded + "\\";
  return std::any_of(Keys.begin(), Keys.end(), [&](const RegistryKey& k) {
    return Runtime::FoldCase(k.Path).starts_with(prefix);
  });
}

bool RegistryDocument::Remove(std::string_view path) {
  const std::string folded = Runtime::FoldCase(NormaliseKeyPath(path));
  const std::string prefix = folded + "\\";
  const size_t before = Keys.size();
  std::erase_if(Keys, [&](const RegistryKey& k) {
    const std::string f = Runtime::FoldCase(k.Path);
    return f == folded || folded.empty() || f.starts_with(prefix);
  });
  index_.clear();
  return Keys.size() != before;
}

RegistryDocument ParseRegistryText(std::string_view text) {
  RegistryDocument doc;
  RegistryKey* key = nullptr;
  // Per key: folded value name -> position of its entry, for merging repeats.
  std::vector<std::unordered_map<std::string, size_t>> names;
  size_t lineNumber = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    // Every CR before the line's end is line-end noise: a kept line must write back
    // as it reads.
    while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    const std::string_view line = Trim(raw);
    if (line.empty()) continue;
    // Comments and damaged lines are kept byte for byte, blanks and all.
    if (line[0] == ';' || line[0] == '#') {
      if (key == nullptr) {
        doc.Leading.emplace_back(raw);
      } else {
        key->Entries.push_back({false, {}, std::string(raw)});
      }
      continue;
    }
    // A line in another encoding than UTF-8 is read as Windows-1252 and said so.
    const bool readAsWindows1252 = !Runtime::IsValidUtf8(line);
    auto noteEncoding = [&] {
      if (!readAsWindows1252) return;
      doc.Problems.push_back("line " + std::to_string(lineNumber) +
                             " is not UTF-8 and was read as Windows-1252: " + Shown(line));
    };
    const std::string decoded = DecodeLine(line);
    if (IsKeyLine(decoded)) {
      const std::string path = decoded.substr(1, decoded.size() - 2);
      const size_t count = doc.Keys.size();
      key = &doc.Make(path);
      if (doc.Keys.size() != count) names.emplace_back();
      noteEncoding();
      continue;
    }
    RegValue value;
    if (key == nullptr || !ReadValueLine(decoded, value)) {
      doc.Problems.push_back(ProblemText(lineNumber, line));
      if (key == nullptr) {
        doc.Leading.emplace_back(raw);
      } else {
        key->Entries.push_back({false, {}, std::string(raw)});
      }
      continue;
    }
    noteEncoding();
    auto& seen = names[static_cast<size_t>(key - doc.Keys.data())];
    const auto [it, added] = seen.emplace(Runtime::FoldCase(value.Name), key->Entries.size());
    if (added) {
      key->Entries.push_back({true, std::move(value), {}});
    } else {
      // A repeated value: the later one counts, in the earlier one's place.
      RegValue& earlier = key->Entries[it->second].Value;
      earlier.Type = value.Type;
      earlier.Data = std::move(value.Data);
    }
  }
  return doc;
}

std::string FormatRegistryText(const RegistryDocument& document) {
  std::string out;
  for (const auto& line : document.Leading) out += line + "\n";
  for (const auto& key : document.Keys) {
    if (!out.empty()) out += '\n';
    out += Runtime::Cp1252ToUtf8("[" + key.Path + "]") + "\n";
    for (const auto& e : key.Entries) {
      out += e.IsValue ? Runtime::Cp1252ToUtf8(ValueLine(e.Value)) : e.Line;
      out += '\n';
    }
  }
  return out;
}

}  // namespace Platform
