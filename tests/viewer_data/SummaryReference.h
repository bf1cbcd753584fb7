#pragma once

// A plain reading of a summary file's bytes written from the format's rules:
// whole lines as texts, every table of the file listed first, searches as
// walks over that list. Tests hold the reader, and what a load makes of the
// files, against it.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"
#include "viewer/data/PRDModule.h"

namespace SummaryReference {

using Kordex::PrdItem;
using Kordex::PrdRun;
using Kordex::PrdRunTime;
using Kordex::PrdSummary;

inline std::string Trimmed(std::string s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Split at commas, each piece trimmed; with quotes, a comma inside a pair of
// them does not split. No empty last piece after a final comma.
inline std::vector<std::string> Split(const std::string& line, bool quotes) {
  std::vector<std::string> pieces;
  std::string piece;
  bool inside = false;
  for (const char c : line) {
    if (quotes && c == '"') inside = !inside;
    if (c == ',' && !inside) {
      pieces.push_back(Trimmed(piece));
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(Trimmed(piece));
  return pieces;
}

struct Column {
  std::string Name;
  bool Array = false;
};

// Where the reader stands after a section, end or definition line, and the
// data lines that follow it.
struct Block {
  std::string Path;
  std::string Table;
  std::vector<Column> Columns;
  std::vector<std::vector<std::string>> Rows;
};

inline std::vector<Block> Blocks(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (c != '\t') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);

  std::vector<Block> blocks(1, Block{"\\", "", {}, {}});
  std::vector<std::string> sections;
  auto path = [&] {
    std::string p = "\\";
    for (size_t i = 0; i < sections.size(); ++i) p += (i > 0 ? "\\" : "") + sections[i];
    return p;
  };
  for (std::string text : lines) {
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
      const std::string inner = Trimmed(text.substr(1, text.size() - 2));
      if (inner.size() >= 4 && Runtime::EqualsNoCase(inner.substr(0, 4), "END ")) {
        if (!sections.empty() && Runtime::EqualsNoCase(Trimmed(inner.substr(4)), sections.back())) {
          sections.pop_back();
        }
      } else {
        sections.push_back(inner);
      }
      blocks.push_back({path(), "0", {}, {}});
      continue;
    }
    const std::vector<std::string> plain = Split(text, false);
    if (!plain.empty() && Runtime::EqualsNoCase(plain[0], "@DEFINE")) {
      Block block{path(), plain.size() > 1 ? plain[1] : "", {}, {}};
      for (size_t i = 2; i < plain.size() && !plain[i].empty(); ++i) {
        std::string name = plain[i];
        if (name[0] == '#' || name[0] == '$') name.erase(0, 1);
        if (!name.empty() && name.back() == '*') name.pop_back();
        const bool array = name.size() >= 2 && name.ends_with("()");
        if (array) name.resize(name.size() - 2);
        block.Columns.push_back({name, array});
      }
      blocks.push_back(std::move(block));
      continue;
    }
    if (!text.empty()) blocks.back().Rows.push_back(Split(text, true));
  }
  return blocks;
}

// The record as the rules give it, faults included.
class Reference {
 public:
  explicit Reference(const std::string& bytes) : blocks_(Blocks(bytes)) {}

  PrdSummary Read() {
    PrdSummary s;
    s.Runs.emplace_back();
    PrdRun& run = s.Runs[0];
    run.Name = "X";
    if (const Block* b = Find("\\Totals\\Errors", "Errors")) {
      for (const auto& row : b->Rows) s.ErrorNames.push_back(Text(Field(*b, row, "Name")));
    }
    run.HeadErrorTotals.assign(s.ErrorNames.size(), 0);
    run.FeederErrorTotals.assign(s.ErrorNames.size(), 0);
    if (const Block* b = Find("\\Head Data", "Head")) {
      Items(*b, true, s, run.Heads, run.HeadTotal, run.HeadErrorTotals);
    }
    if (const Block* b = Find("\\Feeder Data", "Feeder")) {
      Items(*b, false, s, run.Feeders, run.FeederTotal, run.FeederErrorTotals);
    }
    const Block* boards = Find("\\Run Time Data", "Board");
    if (boards == nullptr) return Done(s);
    for (const auto& row : boards->Rows) {
      const std::string attribute = Upper(Field(*boards, row, "Attribute"));
      if (attribute == "TOTAL") run.BoardCount = Whole<int32_t>(Field(*boards, row, "Value"));
      if (attribute == "BAD") {
        run.BoardCount =
            Sum(run.BoardCount, -int64_t{Whole<int32_t>(Field(*boards, row, "Value"))});
      }
    }
    while (const Block* table = Find("\\Run Time Data\\Table", "Table")) {
      run.Tables.emplace_back();
      for (const auto& row : table->Rows) {
        const std::string attribute = Upper(Field(*table, row, "Attribute"));
        if (attribute != "START" && attribute != "FINISH") continue;
        const double at = Kordex::ParseDateTime(Text(Field(*table, row, "Value"))).Serial;
        const bool first = run.Tables.size() == 1;
        if (attribute == "START" && (first || at < run.StartTime.Serial)) run.StartTime = {at};
        if (attribute == "FINISH" && (first || at > run.FinishTime.Serial)) run.FinishTime = {at};
      }
      if (const Block* time = Find("\\Run Time Data\\Table\\Time", "Time")) {
        for (const auto& row : time->Rows) {
          const std::string category = Upper(Field(*time, row, "Category"));
          PrdRunTime& t = run.Tables.back();
          int32_t* target = category == "RUNNING"   ? &t.RunningSeconds
                            : category == "WAITING" ? &t.WaitingSeconds
                            : category == "STOPPED" ? &t.StoppedSeconds
                                                    : nullptr;
          if (target != nullptr) *target = Whole<int32_t>(Field(*time, row, "Seconds"));
        }
      }
    }
    return Done(s);
  }

 private:
  PrdSummary& Done(PrdSummary& s) {
    s.Fault = fault_;
    return s;
  }

  // Searches forward from the block the reader stands on; a table's rows are
  // read to the next block, or to the end of the file, after which nothing
  // more is found. A failed search leaves the reader where it stood.
  const Block* Find(const std::string& path, const std::string& table) {
    if (atEnd_) return nullptr;
    for (size_t i = at_; i < blocks_.size(); ++i) {
      if (Runtime::EqualsNoCase(blocks_[i].Path, path) &&
          Runtime::EqualsNoCase(blocks_[i].Table, table)) {
        at_ = i + 1;
        atEnd_ = at_ == blocks_.size();
        return &blocks_[i];
      }
    }
    return nullptr;
  }

  static std::string Field(const Block& b, const std::vector<std::string>& row,
                           const std::string& column) {
    for (size_t k = 0; k < b.Columns.size(); ++k) {
      if (Runtime::EqualsNoCase(b.Columns[k].Name, column)) {
        return k + 1 < row.size() ? row[k + 1] : std::string();
      }
    }
    return {};
  }
  static bool Quoted(const std::string& f) {
    return !f.empty() && f.front() == '"' && f.back() == '"';
  }
  static std::string Inner(const std::string& f) {
    return f.size() >= 2 ? f.substr(1, f.size() - 2) : std::string();
  }
  // A field read as text: a quoted one is what stands between the quotes, any
  // other the label of its number; a number beyond a double has none and is
  // too large, as in a numeric field.
  std::string Text(const std::string& f) {
    if (Quoted(f)) return Inner(f);
    try {
      return Runtime::NumberText(Runtime::DecimalVal(f));
    } catch (const Runtime::Error&) {
      Note("a number too large");
      return "0";
    }
  }
  std::string Upper(const std::string& f) { return Runtime::UCase(Text(f)); }

  void Note(const char* what) {
    if (fault_.empty()) fault_ = what;
  }
  template <class Int>
  Int Whole(const std::string& f) {
    double value = 0.0;
    if (f.empty()) return 0;
    if (Quoted(f)) {
      if (!Runtime::ParseNumber(Inner(f), value)) {
        Note("a text where a number belongs");
        return 0;
      }
    } else {
      try {
        value = Runtime::DecimalVal(f);
      } catch (const Runtime::Error&) {
        Note("a number too large");
        return 0;
      }
    }
    const double r = Runtime::RoundHalfEven(value);
    constexpr double low = std::numeric_limits<Int>::min();
    constexpr double high = std::numeric_limits<Int>::max();
    if (r >= low && r <= high) return static_cast<Int>(r);
    Note("a number too large");
    return r < low ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
  }
  int32_t Sum(int32_t a, int64_t b) {
    const int64_t s = int64_t{a} + b;
    if (s > std::numeric_limits<int32_t>::max() || s < std::numeric_limits<int32_t>::min()) {
      Note("a number too large");
      return s > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(s);
  }

  void Items(const Block& b, bool heads, const PrdSummary& s, std::vector<PrdItem>& items,
             int32_t& total, std::vector<int32_t>& errorTotals) {
    size_t errors = 0;
    for (size_t k = 0; k < b.Columns.size(); ++k) {
      if (Runtime::EqualsNoCase(b.Columns[k].Name, "Errors")) {
        errors = k + 1;
        break;
      }
    }
    for (const auto& row : b.Rows) {
      PrdItem item;
      if (heads) {
        const int16_t head = Whole<int16_t>(Field(b, row, "Head Number"));
        const int16_t spindle = Whole<int16_t>(Field(b, row, "Spindle Number"));
        item.Key = (head >= 1 ? std::to_string(head) + "-" : "") + std::to_string(spindle);
      } else {
        item.Key = Text(Field(b, row, "Part Number"));
      }
      item.Total = Whole<int32_t>(Field(b, row, "Total"));
      item.Errors.assign(s.ErrorNames.size(), 0);
      // The array runs to its first empty field; a plain column gives one value.
      const size_t last = errors == 0 ? 0 : b.Columns[errors - 1].Array ? row.size() : errors + 1;
      for (size_t e = 0; errors > 0 && e < item.Errors.size() && errors + e < last &&
                         errors + e < row.size() && !row[errors + e].empty();
           ++e) {
        item.Errors[e] = Whole<int32_t>(row[errors + e]);
      }
      for (size_t e = 0; e < item.Errors.size(); ++e) {
        errorTotals[e] = Sum(errorTotals[e], item.Errors[e]);
      }
      total = Sum(total, item.Total);
      items.push_back(std::move(item));
    }
  }

  std::vector<Block> blocks_;
  size_t at_ = 0;
  bool atEnd_ = false;
  std::string fault_;
};

}  // namespace SummaryReference
