#include "platform/RichText.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "runtime/Conversions.h"
#include "runtime/Encoding.h"

namespace Platform {

std::string RichParagraph::Text() const {
  std::string text;
  for (const RichRun& run : Runs) text += run.Text;
  return text;
}

// --- Writing -----------------------------------------------------------------

namespace {

class RtfWriter {
 public:
  std::string Out;

  void Word(std::string_view word) {
    Out += '\\';
    Out += word;
    delimit_ = true;
  }
  void Word(std::string_view word, long long number) {
    Word(word);
    Out += std::to_string(number);
  }

  void Text(std::string_view text) {
    static const char* const hex = "0123456789abcdef";
    for (char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (c == '\t') {
        Word("tab");
      } else if (byte < 0x20) {
        // Line breaks and other controls have no place inside a run.
      } else if (c == '\\' || c == '{' || c == '}') {
        Out += '\\';
        Out += c;
        delimit_ = false;
      } else if (byte > 127) {
        Out += "\\'";
        Out += hex[byte >> 4];
        Out += hex[byte & 15];
        delimit_ = false;
      } else {
        if (delimit_) Out += ' ';
        Out += c;
        delimit_ = false;
      }
    }
  }

  void Raw(std::string_view text) {
    Out += text;
    delimit_ = false;
  }

 private:
  bool delimit_ = false;
};

long long HalfPoints(double points) {
  return std::llround(std::clamp(points, 0.5, 1638.0) * 2);
}

}  // namespace

std::string WriteRtf(const RichDocument& document, std::string_view fontName) {
  std::string font;
  for (char c : fontName)
    if (c != ';' && c != '{' && c != '}' && c != '\\') font += c;
  if (font.empty()) font = "Arial";

  RtfWriter rtf;
  rtf.Raw("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil ");
  rtf.Text(font);
  rtf.Raw(";}}\r\n");
  rtf.Word("viewkind", 4);
  rtf.Word("uc", 1);
  rtf.Word("f", 0);
  rtf.Word("fs", 24);
  bool bold = false;
  long long size = 24;
  for (size_t p = 0; p < document.Paragraphs.size(); ++p) {
    const RichParagraph& paragraph = document.Paragraphs[p];
    rtf.Word("pard");
    for (int32_t tab : paragraph.Tabs) rtf.Word("tx", tab);
    // Each paragraph states its formatting again: some readers start every
    // paragraph plain.
    bool stated = false;
    for (const RichRun& run : paragraph.Runs) {
      if (run.Bold != bold || !stated) {
        bold = run.Bold;
        rtf.Word(bold ? "b" : "b0");
      }
      if (HalfPoints(run.Size) != size || !stated) {
        size = HalfPoints(run.Size);
        rtf.Word("fs", size);
      }
      stated = true;
      rtf.Text(run.Text);
    }
    if (p + 1 < document.Paragraphs.size()) {
      rtf.Word("par");
      rtf.Raw("\r\n");
    }
  }
  rtf.Raw("}\r\n");
  return rtf.Out;
}

// --- Reading -----------------------------------------------------------------

namespace {

using Runtime::HexDigit;

// Groups nested deeper than this are read as if their text were not there.
constexpr size_t MaxDepth = 200;
// More tab stops in one paragraph are passed over.
constexpr size_t MaxTabs = 256;
constexpr double DefaultSize = 12;

// Destinations whose text is not part of the document.
bool SkippedDestination(std::string_view word) {
  static constexpr std::string_view skipped[] = {"fonttbl",    "colortbl",
                                                 "stylesheet", "info",
                                                 "pict",       "object",
                                                 "objdata",    "header",
                                                 "headerl",    "headerr",
                                                 "headerf",    "footer",
                                                 "footerl",    "footerr",
                                                 "footerf",    "footnote",
                                                 "fldinst",    "themedata",
                                                 "datastore",  "latentstyles",
                                                 "listtable",  "listoverridetable",
                                                 "rsidtbl",    "generator",
                                                 "xmlnstbl",   "mmathPr",
                                                 "filetbl",    "revtbl",
                                                 "annotation", "atnid",
                                                 "atnauthor",  "bkmkstart",
                                                 "bkmkend",    "nonshppict",
                                                 "shpinst",    "colorschememapping",
                                                 "pgdsctbl",   "listtext"};
  return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

// A named character and its Windows-1252 byte.
int NamedCharacter(std::string_view word) {
  static constexpr std::pair<std::string_view, int> named[] = {
      {"emdash", 0x97}, {"endash", 0x96},    {"bullet", 0x95},    {"lquote", 0x91},
      {"rquote", 0x92}, {"ldblquote", 0x93}, {"rdblquote", 0x94}, {"emspace", ' '},
      {"enspace", ' '}, {"qmspace", ' '}};
  for (const auto& [name, byte] : named)
    if (name == word) return byte;
  return -1;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class RtfReader {
 public:
  explicit RtfReader(std::string_view in) : in_(in) { groups_.push_back({}); }

  RichDocument Read() {
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        CloseGroup();
      } else if (c == '\\') {
        Control();
      } else if (c != '\r' && c != '\n') {
        Character(c);
      }
    }
    paragraph_.Tabs = tabs_;
    document_.Paragraphs.push_back(std::move(paragraph_));
    return std::move(document_);
  }

 private:
  struct Group {
    bool Bold = false;
    double Size = DefaultSize;
    bool Skip = false;
    int UnicodeSkip = 1;
  };

  Group& Current() { return groups_.back(); }
  bool Skipping() const { return tooDeep_ > 0 || groups_.back().Skip; }

  void OpenGroup() {
    if (tooDeep_ > 0 || groups_.size() >= MaxDepth) {
      ++tooDeep_;
      return;
    }
    groups_.push_back(groups_.back());
    groupStart_ = true;
  }

  void CloseGroup() {
    groupStart_ = false;
    pendingSkip_ = 0;
    if (tooDeep_ > 0)
      --tooDeep_;
    else if (groups_.size() > 1)
      groups_.pop_back();
  }

  // The text after a \uN that stands in for readers without Unicode.
  bool SkippedFallback() {
    if (pendingSkip_ == 0) return false;
    --pendingSkip_;
    return true;
  }

  void Character(char c) {
    groupStart_ = false;
    if (SkippedFallback()) return;
    Append(c);
  }

  void Append(char c) {
    if (Skipping()) return;
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return;
    const Group& group = Current();
    if (paragraph_.Runs.empty() || paragraph_.Runs.back().Bold != group.Bold ||
        paragraph_.Runs.back().Size != group.Size)
      paragraph_.Runs.push_back({{}, group.Bold, group.Size});
    paragraph_.Runs.back().Text += c;
  }

  void AppendUnicode(long long number) {
    if (number < 0) number += 65536;
    if (number < 0 || number > 0xFFFF) return;
    Append(Runtime::ToCp1252(static_cast<char32_t>(number)));
  }

  void EndParagraph() {
    if (Skipping()) return;
    paragraph_.Tabs = tabs_;
    document_.Paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
  }

  void Control() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (IsLetter(c)) {
      Word();
      return;
    }
    ++pos_;
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    switch (c) {
      case '\'': {
        const int high = pos_ < in_.size() ? HexDigit(in_[pos_]) : -1;
        const int low = pos_ + 1 < in_.size() ? HexDigit(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) return;
        pos_ += 2;
        if (!SkippedFallback()) Append(static_cast<char>(high * 16 + low));
        return;
      }
      case '*':
        if (atGroupStart && tooDeep_ == 0) Current().Skip = true;
        return;
      case '\\':
      case '{':
      case '}': Character(c); return;
      case '~': Character(static_cast<char>(0xA0)); return;
      case '_': Character('-'); return;
      case '\t': Character('\t'); return;
      case '\r':
      case '\n': EndParagraph(); return;
      default: return;
    }
  }

  void Word() {
    const size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(start, std::min<size_t>(pos_ - start, 32));
    bool hasNumber = false;
    bool negative = false;
    long long number = 0;
    if (pos_ < in_.size() && in_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
      hasNumber = true;
      if (number < 100000000000LL) number = number * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    if (negative) number = -number;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    groupStart_ = false;

    // Binary data is passed over whatever group it is in: its bytes may hold
    // braces.
    if (word == "bin") {
      if (hasNumber && number > 0)
        pos_ += static_cast<size_t>(std::min<long long>(number, in_.size() - pos_));
      return;
    }
    if (Skipping()) return;
    if (SkippedDestination(word)) {
      Current().Skip = true;
      return;
    }
    Group& group = Current();
    if (word == "par" || word == "line" || word == "row" || word == "sect" || word == "page") {
      EndParagraph();
    } else if (word == "pard") {
      tabs_.clear();
    } else if (word == "tx" || word == "tb") {
      if (hasNumber && tabs_.size() < MaxTabs)
        tabs_.push_back(static_cast<int32_t>(std::clamp<long long>(
            number, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())));
    } else if (word == "tab" || word == "cell") {
      Character('\t');
    } else if (word == "b") {
      group.Bold = !hasNumber || number != 0;
    } else if (word == "fs") {
      if (hasNumber && number > 0) group.Size = static_cast<double>(std::min(number, 3276LL)) / 2;
    } else if (word == "plain") {
      group.Bold = false;
      group.Size = DefaultSize;
    } else if (word == "uc") {
      if (hasNumber) group.UnicodeSkip = static_cast<int>(std::clamp(number, 0LL, 10LL));
    } else if (word == "u") {
      if (!hasNumber) return;
      AppendUnicode(number);
      pendingSkip_ = group.UnicodeSkip;
    } else if (const int named = NamedCharacter(word); named >= 0) {
      Character(static_cast<char>(named));
    }
  }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<Group> groups_;
  size_t tooDeep_ = 0;
  bool groupStart_ = false;
  int pendingSkip_ = 0;
  std::vector<int32_t> tabs_;
  RichParagraph paragraph_;
  RichDocument document_;
};

}  // namespace

RichDocument ReadRtf(std::string_view rtf) {
  return RtfReader(rtf).Read();
}

}  // namespace Platform
