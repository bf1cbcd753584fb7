#include "tools/sampledata/SummaryFile.h"

#include <cstddef>
#include <random>

namespace Kordex::SampleData {

namespace {

constexpr std::string_view Eol = "\r\n";

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void Open(std::string_view section) {
    Indent();
    out_ += '[';
    out_ += section;
    out_ += ']';
    out_ += Eol;
    ++depth_;
  }
  void Close(std::string_view section) {
    --depth_;
    Indent();
    out_ += "[END ";
    out_ += section;
    out_ += ']';
    out_ += Eol;
  }
  void Define(std::string_view table, std::initializer_list<std::string_view> columns) {
    Indent();
    out_ += "@DEFINE,";
    out_ += table;
    for (std::string_view column : columns) {
      out_ += ',';
      out_ += column;
    }
    out_ += Eol;
    row_ = 0;
  }
  // Starts a data line: the row number is the first field, which is not read.
  Writer& Row() {
    Indent();
    out_ += std::to_string(++row_);
    return *this;
  }
  Writer& Text(std::string_view text) {
    out_ += ",\"";
    out_ += text;
    out_ += '"';
    return *this;
  }
  Writer& Number(int64_t number) {
    out_ += ',';
    out_ += std::to_string(number);
    return *this;
  }
  Writer& Numbers(const std::vector<int32_t>& numbers) {
    for (int32_t n : numbers) Number(n);
    return *this;
  }
  void End() { out_ += Eol; }

 private:
  void Indent() { out_.append(static_cast<size_t>(depth_), '\t'); }

  std::string& out_;
  int depth_ = 0;
  int row_ = 0;
};

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += Eol;
  }
  return text;
}

std::string Trimmed(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = line.find_last_not_of(" \t");
  return std::string(line.substr(first, last - first + 1));
}

bool IsDataLine(std::string_view line) {
  const std::string t = Trimmed(line);
  return !t.empty() && t.front() != '[' && t.front() != '@';
}

}  // namespace

std::string SummaryFileText(const SummaryContent& c) {
  std::string out;
  out.reserve(1024 + 96 * (c.Heads.size() + c.Feeders.size()));
  Writer w(out);

  w.Open("Machine Info");
  w.Define("Info", {"$Attribute", "$Value"});
  w.Row().Text("MACHINE").Text(c.ModuleName).End();
  w.Row().Text("PROGRAM").Text(c.Program).End();
  w.Row().Text("FORMAT").Text("2.1").End();
  w.Close("Machine Info");

  int64_t placed = 0;
  for (const FeederLine& f : c.Feeders) placed += f.Total;
  w.Open("Totals");
  w.Define("Summary", {"$Attribute", "#Value"});
  w.Row().Text("PLACED").Number(placed).End();
  w.Row().Text("BOARDS").Number(c.BoardTotal).End();
  w.Open("Errors");
  w.Define("Errors", {"#Code", "$Name"});
  for (size_t i = 0; i < c.ErrorNames.size(); ++i) {
    w.Row().Number(static_cast<int64_t>(100 + i)).Text(c.ErrorNames[i]).End();
  }
  w.Close("Errors");
  w.Close("Totals");

  w.Open("Head Data");
  w.Define("Head", {"#Head Number", "#Spindle Number", "$Nozzle", "#Total*", "#Errors()"});
  for (const HeadLine& h : c.Heads) {
    w.Row().Number(h.Head).Number(h.Spindle).Text(h.Nozzle).Number(h.Total).Numbers(h.Errors).End();
  }
  w.Close("Head Data");

  w.Open("Feeder Data");
  w.Define("Feeder", {"#Slot", "$Part Number", "$Description", "#Total", "#Errors()*"});
  for (const FeederLine& f : c.Feeders) {
    w.Row()
        .Number(f.Slot)
        .Text(f.PartNumber)
        .Text(f.Description)
        .Number(f.Total)
        .Numbers(f.Errors)
        .End();
  }
  w.Close("Feeder Data");

  w.Open("Nozzle Data");
  w.Define("Nozzle", {"$Nozzle", "#Pickups"});
  w.Row().Text("N502").Number(placed / 2).End();
  w.Row().Text("N503").Number(placed - placed / 2).End();
  w.Close("Nozzle Data");

  w.Open("Run Time Data");
  w.Define("Board", {"$Attribute", "#Value"});
  w.Row().Text("TOTAL").Number(c.BoardTotal).End();
  w.Row().Text("BAD").Number(c.BoardBad).End();
  w.Row().Text("GOOD").Number(int64_t{c.BoardTotal} - c.BoardBad).End();
  for (size_t t = 0; t < c.Tables.size(); ++t) {
    const RunTable& table = c.Tables[t];
    w.Open("Table");
    w.Define("Table", {"$Attribute", "$Value"});
    w.Row().Text("LANE").Text(std::to_string(t + 1)).End();
    w.Row().Text("START").Text(table.Start).End();
    w.Row().Text("FINISH").Text(table.Finish).End();
    w.Open("Time");
    w.Define("Time", {"$Category", "#Seconds"});
    w.Row().Text("RUNNING").Number(table.RunningSeconds).End();
    w.Row().Text("WAITING").Number(table.WaitingSeconds).End();
    w.Row().Text("STOPPED").Number(table.StoppedSeconds).End();
    w.Row()
        .Text("TOTAL")
        .Number(int64_t{table.RunningSeconds} + table.WaitingSeconds + table.StoppedSeconds)
        .End();
    w.Close("Time");
    w.Close("Table");
  }
  w.Close("Run Time Data");
  return out;
}

std::string_view DamageName(Damage damage) {
  switch (damage) {
    case Damage::Truncated: return "truncated";
    case Damage::MissingTable: return "missing-table";
    case Damage::GarbageLines: return "garbage-lines";
    case Damage::WrongTypes: return "wrong-types";
    case Damage::HugeLine: return "huge-line";
    case Damage::BinaryBytes: return "binary-bytes";
    case Damage::BlankLines: return "blank-lines";
    case Damage::Unbalanced: return "unbalanced";
  }
  return "unknown";
}

std::string DamageSummary(std::string_view text, Damage damage, uint32_t seed) {
  std::mt19937 rng(seed);
  auto below = [&](size_t n) { return n == 0 ? size_t{0} : static_cast<size_t>(rng() % n); };
  std::vector<std::string> lines = SplitLines(text);

  switch (damage) {
    case Damage::Truncated: {
      const size_t at = text.size() / 10 + below(text.size() - text.size() / 10);
      return std::string(text.substr(0, at));
    }
    case Damage::MissingTable: {
      static constexpr std::string_view sections[] = {"Errors", "Head Data", "Feeder Data",
                                                      "Run Time Data", "Time"};
      const std::string name(sections[below(std::size(sections))]);
      for (size_t i = 0; i < lines.size(); ++i) {
        if (Trimmed(lines[i]) != "[" + name + "]") continue;
        size_t j = i;
        while (j < lines.size() && Trimmed(lines[j]) != "[END " + name + "]") ++j;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i),
                    lines.begin() + static_cast<std::ptrdiff_t>(std::min(j + 1, lines.size())));
        break;
      }
      return JoinLines(lines);
    }
    case Damage::GarbageLines: {
      static constexpr std::string_view alphabet = "abcXYZ0123456789 ,,,\"\"[]@#$*()-:.\t\\";
      const size_t count = 3 + below(10);
      for (size_t n = 0; n < count; ++n) {
        std::string garbage;
        const size_t length = below(120);
        for (size_t k = 0; k < length; ++k) garbage += alphabet[below(alphabet.size())];
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(below(lines.size() + 1)), garbage);
      }
      return JoinLines(lines);
    }
    case Damage::WrongTypes: {
      static constexpr std::string_view replacements[] = {
          "twelve", "99999999999", "-99999999999", "1E400",     "\"seven\"", "12abc",
          "-",      ".",           "1.5E+308",     "&HFFFFFFFF"};
      for (std::string& line : lines) {
        if (!IsDataLine(line) || below(3) != 0) continue;
        // Swap one field after the row number for something of the wrong kind,
        // and drop the quotes around texts.
        const size_t comma = line.find(',');
        if (comma == std::string::npos) continue;
        const size_t next = line.find(',', comma + 1);
        const std::string replacement(replacements[below(std::size(replacements))]);
        line.replace(comma + 1, (next == std::string::npos ? line.size() : next) - comma - 1,
                     replacement);
        if (below(2) == 0) std::erase(line, '"');
      }
      return JoinLines(lines);
    }
    case Damage::HugeLine: {
      std::string huge = "\t1";
      const size_t fields = (size_t{3} << 20) / 2;
      huge.reserve(fields * 2 + 8);
      for (size_t k = 0; k < fields; ++k) huge += ",7";
      for (size_t i = 0; i < lines.size(); ++i) {
        if (Trimmed(lines[i]).starts_with("@DEFINE,Feeder")) {
          lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i + 1), huge);
          break;
        }
      }
      return JoinLines(lines);
    }
    case Damage::BinaryBytes: {
      std::string out(text);
      const size_t count = 1 + out.size() / 200;
      for (size_t n = 0; n < count && !out.empty(); ++n) {
        const unsigned char b = below(2) == 0 ? static_cast<unsigned char>(below(32))
                                              : static_cast<unsigned char>(128 + below(128));
        out[below(out.size())] = static_cast<char>(b);
      }
      return out;
    }
    case Damage::BlankLines: {
      std::vector<std::string> out;
      for (const std::string& line : lines) {
        out.push_back(line);
        if (IsDataLine(line)) out.push_back(below(2) == 0 ? "" : " \t  \t");
      }
      return JoinLines(out);
    }
    case Damage::Unbalanced: {
      std::vector<std::string> out;
      for (const std::string& line : lines) {
        const std::string t = Trimmed(line);
        if (t.starts_with("[END ") && below(3) == 0) continue;  // never closed
        out.push_back(line);
        if (below(8) == 0) out.push_back("[END Nothing Open]");
      }
      return JoinLines(out);
    }
  }
  return std::string(text);
}

}  // namespace Kordex::SampleData
