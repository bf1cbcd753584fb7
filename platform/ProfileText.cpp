#include "platform/ProfileText.h"

#include <unordered_map>

#include "runtime/CaseFold.h"

namespace Platform {

namespace {

std::string_view Trim(std::string_view s) {
  constexpr std::string_view blanks = " \t\r\f\v";
  const size_t first = s.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(blanks);
  return s.substr(first, last - first + 1);
}

enum class LineKind { Blank, Comment, Section, Entry, Outside };

struct Line {
  size_t Start = 0;  // offset of the line's first byte
  size_t End = 0;    // offset just past its content (before the line break)
  size_t Next = 0;   // offset of the next line
  LineKind Kind = LineKind::Blank;
  std::string_view Name;   // section name or key
  std::string_view Value;  // entry value
  bool HasValue = false;
};

// Walks a text line by line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool Read(Line& line) {
    if (pos_ >= text_.size()) return false;
    const size_t lf = text_.find('\n', pos_);
    line.Start = pos_;
    line.Next = lf == std::string_view::npos ? text_.size() : lf + 1;
    line.End = lf == std::string_view::npos ? text_.size() : lf;
    if (line.End > line.Start && text_[line.End - 1] == '\r') --line.End;
    pos_ = line.Next;
    Classify(Trim(text_.substr(line.Start, line.End - line.Start)), line);
    return true;
  }

 private:
  void Classify(std::string_view t, Line& line) {
    line.Name = {};
    line.Value = {};
    line.HasValue = false;
    if (t.empty()) {
      line.Kind = LineKind::Blank;
    } else if (t[0] == ';') {
      line.Kind = LineKind::Comment;
    } else if (t[0] == '[') {
      line.Kind = LineKind::Section;
      const size_t close = t.find(']');
      line.Name =
          Trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      inSection_ = true;
    } else if (!inSection_) {
      line.Kind = LineKind::Outside;
    } else {
      line.Kind = LineKind::Entry;
      const size_t eq = t.find('=');
      if (eq == std::string_view::npos) {
        line.Name = t;
      } else {
        line.Name = Trim(t.substr(0, eq));
        line.Value = Trim(t.substr(eq + 1));
        line.HasValue = true;
      }
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool inSection_ = false;
};

std::string Flatten(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

}  // namespace

ProfileDocument ParseProfileText(std::string_view text) {
  ProfileDocument doc;
  std::unordered_map<std::string, size_t> byName;  // folded name -> section
  ProfileSection* current = nullptr;
  LineReader reader(text);
  Line line;
  while (reader.Read(line)) {
    if (line.Kind == LineKind::Section) {
      const auto [it, added] = byName.emplace(Runtime::FoldCase(line.Name), doc.Sections.size());
      if (added) doc.Sections.push_back(ProfileSection{std::string(line.Name), {}});
      current = &doc.Sections[it->second];
    } else if (line.Kind == LineKind::Entry && current != nullptr) {
      current->Entries.push_back(
          ProfileEntry{std::string(line.Name), std::string(line.Value), line.HasValue});
    }
  }
  return doc;
}

const ProfileEntry* ProfileDocument::Find(std::string_view section, std::string_view key) const {
  const std::string_view wanted = Trim(key);
  for (const auto& s : Sections) {
    if (!Runtime::EqualsNoCase(s.Name, Trim(section))) continue;
    for (const auto& e : s.Entries) {
      if (Runtime::EqualsNoCase(e.Key, wanted)) return &e;
    }
    break;
  }
  return nullptr;
}

std::vector<std::string> ProfileDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  for (const auto& s : Sections) {
    if (!Runtime::EqualsNoCase(s.Name, Trim(section))) continue;
    for (const auto& e : s.Entries) lines.push_back(e.HasValue ? e.Key + "=" + e.Value : e.Key);
    break;
  }
  return lines;
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  const std::string_view wantedSection = Trim(section);
  const std::string_view wantedKey = Trim(key);
  const std::string newValue = Flatten(Trim(value));
  const size_t firstLf = text.find('\n');
  const std::string eol =
      (firstLf != std::string_view::npos && (firstLf == 0 || text[firstLf - 1] != '\r')) ? "\n"
                                                                                         : "\r\n";

  LineReader reader(text);
  Line line;
  int opened = 0;  // sections of the wanted name met so far
  bool inWanted = false;
  bool haveAnchor = false;
  Line anchor;  // the line after which a missing key goes
  while (reader.Read(line)) {
    if (line.Kind == LineKind::Section) {
      inWanted = Runtime::EqualsNoCase(line.Name, wantedSection);
      if (inWanted && ++opened == 1) {
        anchor = line;
        haveAnchor = true;
      }
      continue;
    }
    if (!inWanted || line.Kind != LineKind::Entry) continue;
    if (Runtime::EqualsNoCase(line.Name, wantedKey)) {
      std::string out(text.substr(0, line.Start));
      out += line.Name;
      out += '=';
      out += newValue;
      out += text.substr(line.End);
      return out;
    }
    if (opened == 1) anchor = line;
  }
  const std::string entry = Flatten(wantedKey) + "=" + newValue + eol;
  if (haveAnchor) {
    std::string out(text.substr(0, anchor.Next));
    if (anchor.Next == 0 || text[anchor.Next - 1] != '\n') out += eol;
    out += entry;
    out += text.substr(anchor.Next);
    return out;
  }
  std::string out(text);
  if (!out.empty() && out.back() != '\n') out += eol;
  out += "[" + Flatten(wantedSection) + "]" + eol + entry;
  return out;
}

}  // namespace Platform
