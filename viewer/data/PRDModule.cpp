#include "viewer/data/PRDModule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <mutex>

#include "platform/Files.h"
#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/TextFields.h"
#include "viewer/data/modKVX.h"

namespace Kordex {

namespace {

constexpr size_t MaxCount16 = std::numeric_limits<int16_t>::max();
// A line configuration is a few hundred bytes; anything far beyond is not one.
constexpr size_t MaxConfigBytes = size_t{4} << 20;

// Whole numbers from the files, rounded halves to even. A figure beyond the
// integer's range is clamped to it: one damaged file must not end a load.
template <class Int>
Int ClampedWhole(double value) noexcept {
  if (std::isnan(value)) return 0;
  const double whole = value == std::trunc(value) ? value : Runtime::RoundHalfEven(value);
  if (whole <= static_cast<double>(std::numeric_limits<Int>::min())) {
    return std::numeric_limits<Int>::min();
  }
  if (whole >= static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::numeric_limits<Int>::max();
  }
  return static_cast<Int>(whole);
}

int32_t Clamped32(int64_t sum) noexcept {
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}

void AppendDecimal(std::string& text, int32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}

std::string DecimalText(int32_t value) {
  std::string text;
  AppendDecimal(text, value);
  return text;
}

// ---------------------------------------------------------------------------
// Machine table
// ---------------------------------------------------------------------------

std::mutex& TableMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<const MachineTable>& TableSlot() {
  static std::shared_ptr<const MachineTable> table = std::make_shared<const MachineTable>();
  return table;
}

// ---------------------------------------------------------------------------
// Summary reader
// ---------------------------------------------------------------------------

// A caller's filter: the keys it holds, or everything when it is empty. The
// keys are taken once per file instead of a trapped lookup per line.
class KeyFilter {
 public:
  explicit KeyFilter(const Runtime::Collection& filter) : all_(filter.Count() == 0) {
    for (int32_t i = 1; i <= filter.Count(); ++i) {
      const std::string& key = filter.KeyAt(i);
      if (!key.empty()) keys_.push_back(key);
    }
  }
  bool Passes(std::string_view key) const noexcept {
    if (all_) return true;
    for (const std::string& k : keys_) {
      if (Runtime::EqualsNoCase(k, key)) return true;
    }
    return false;
  }

 private:
  bool all_;
  std::vector<std::string> keys_;
};

// Figures that are not sound, as the summary names them.
constexpr std::string_view NumberTooLarge = "a number too large";
constexpr std::string_view TextForNumber = "a text where a number belongs";

// The value of one column on the current data line. A column the table lacks
// reads as Empty: 0 as a number, "" as a text.
class Cell {
 public:
  explicit Cell(std::string_view field, bool present = true) : present_(present), field_(field) {}

  // The figure as a whole number of Int, clamped to its range. What makes the
  // figure unsound goes into fault when fault is still empty: a quoted text
  // that is not a number, or a number beyond the range.
  template <class Int>
  Int Whole(std::string& fault) const {
    if (!present_ || field_.empty()) return 0;
    // Nearly every figure: plain digits that fit, read exactly as the general
    // rule would, without a call.
    int64_t whole = 0;
    if (KvxWholeNumber(field_, whole) && whole >= std::numeric_limits<Int>::min() &&
        whole <= std::numeric_limits<Int>::max()) {
      return static_cast<Int>(whole);
    }
    return WholeByRule<Int>(fault);
  }
  template <class Int>
  [[gnu::noinline]] Int WholeByRule(std::string& fault) const {
    constexpr double low = std::numeric_limits<Int>::min();
    constexpr double high = std::numeric_limits<Int>::max();
    double value = 0.0;
    int64_t whole = 0;
    if (KvxWholeNumber(field_, whole)) {
      value = static_cast<double>(whole);
    } else if (IsKvxText(field_)) {
      if (!Runtime::ParseNumber(KvxText(field_), value)) {
        Note(fault, TextForNumber);
        return 0;
      }
    } else if (!ReadKvxNumber(field_, value)) {
      // Anything else reads by the leading-number rule, 0 when the field does
      // not begin with a number; only a number beyond the double's range is
      // a fault.
      Note(fault, NumberTooLarge);
      return 0;
    }
    if (value >= low && value <= high && value == std::trunc(value)) return static_cast<Int>(value);
    const double rounded = Runtime::RoundHalfEven(value);
    if (!(rounded >= low && rounded <= high)) Note(fault, NumberTooLarge);
    return ClampedWhole<Int>(value);
  }
  // The field as a text: a quoted field is what stands between its quotes,
  // any other is the label of the number it reads as. A number beyond the
  // double's range has no label: it goes into fault as a number too large, as
  // it does in a numeric field, and reads "0".
  std::string Text(std::string& fault) const {
    if (!present_) return {};
    if (IsKvxText(field_)) return std::string(KvxText(field_));
    double value = 0.0;
    if (!ReadKvxNumber(field_, value)) Note(fault, NumberTooLarge);
    return Runtime::NumberText(value);
  }
  // The same where it stands in the line when it is quoted, else made in room.
  std::string_view Text(std::string& room, std::string& fault) const {
    if (present_ && IsKvxText(field_)) return KvxText(field_);
    room = Text(fault);
    return room;
  }
  // Whether the text, in capitals, is word (a word of capital letters).
  bool Is(std::string_view word, std::string& fault) const {
    if (!present_) return word.empty();
    if (IsKvxText(field_)) return Runtime::EqualsNoCase(KvxText(field_), word);
    return Runtime::UCase(Text(fault)) == word;
  }

  static void Note(std::string& fault, std::string_view what) {
    if (fault.empty()) fault = what;
  }

 private:
  bool present_;
  std::string_view field_;
};

// One field of a data line, with its value when it is a plain whole number.
struct Figure {
  std::string_view Text;
  int64_t Value = 0;
  bool IsWhole = false;
};

// Where the fields an item line gives stand on it (the value of column k is
// field k + 1), 0 for a column the table lacks.
struct ItemLayout {
  size_t Head = 0;
  size_t Spindle = 0;
  size_t Part = 0;
  size_t Total = 0;
  size_t Errors = 0;     // the first error field
  size_t ErrorsEnd = 0;  // one past the last error field that counts
  size_t Last = 0;       // the last of Head, Spindle, Part and Total
};

// The fields of one item line, as one walk over it takes them: error e is the
// e-th field of the errors, which end at the first empty field.
struct ItemLine {
  Figure Head;
  Figure Spindle;
  Figure Part;
  Figure Count;
  size_t ErrorsRead = 0;
  bool ErrorsEnded = false;

  explicit ItemLine(const ItemLayout& layout) : ErrorsEnded(layout.Errors == 0) {}

  // Takes field number; false when no field after it is wanted. The parts
  // come one by one and are stored one by one: a figure made whole first and
  // then copied would be read back before its parts were written.
  [[gnu::always_inline]] bool Take(const ItemLayout& layout, Figure* errors, size_t number,
                                   std::string_view text, int64_t value, bool isWhole) {
    if (!ErrorsEnded && number >= layout.Errors) {
      if (text.empty() || number >= layout.ErrorsEnd) {
        ErrorsEnded = true;
      } else {
        Set(errors[ErrorsRead++], text, value, isWhole);
      }
    }
    if (number <= layout.Last) {
      if (number == layout.Head) Set(Head, text, value, isWhole);
      if (number == layout.Spindle) Set(Spindle, text, value, isWhole);
      if (number == layout.Part) Set(Part, text, value, isWhole);
      if (number == layout.Total) Set(Count, text, value, isWhole);
    }
    return !ErrorsEnded || number < layout.Last;
  }
  static void Set(Figure& figure, std::string_view text, int64_t value, bool isWhole) {
    figure.Text = text;
    figure.Value = value;
    figure.IsWhole = isWhole;
  }
};

// Walks the current line of the reader once. A line in its plainest form is
// read by a plain loop whose gatherings stay in registers; any other is read
// again from its start by the general rule.
[[gnu::always_inline]] inline ItemLine WalkItemLine(const KvxReader& kvx, const ItemLayout& layout,
                                                    Figure* errors) {
  ItemLine line(layout);
  PlainFields fields(kvx.Line());
  std::string_view piece;
  int64_t whole = 0;
  bool isWhole = false;
  for (size_t number = 1;; ++number) {
    const PlainFields::Result got = fields.Next(piece, whole, isWhole);
    if (got == PlainFields::End) return line;
    if (got == PlainFields::NotPlain) break;
    if (!line.Take(layout, errors, number, piece, whole, isWhole)) return line;
  }
  line = ItemLine(layout);
  kvx.EachField([&](size_t number, std::string_view field) {
    int64_t value = 0;
    const bool plainWhole = KvxWholeNumber(field, value);
    return line.Take(layout, errors, number, field, value, plainWhole);
  });
  return line;
}

// What the summary reader keeps from file to file, so that reading one costs
// no allocations of its own: the file reader, the fields of a line and the
// items of a table as they are read.
struct SummaryScratch {
  KvxReader Reader;
  std::vector<Figure> Errors;  // the error fields of one item line
  std::string Key;
};

SummaryScratch& TheSummaryScratch() {
  thread_local SummaryScratch scratch;
  return scratch;
}

class SummaryReader {
 public:
  SummaryReader(SummaryScratch& scratch, const Runtime::Collection& headFilter,
                const Runtime::Collection& partNumberFilter)
      : kvx_(scratch.Reader),
        errorFields_(scratch.Errors),
        key_(scratch.Key),
        heads_(headFilter),
        partNumbers_(partNumberFilter) {}

  void Read(PrdSummary& summary);

 private:
  template <class Int>
  Int Whole(const Cell& cell) {
    return cell.Whole<Int>(*fault_);
  }
  // A field as a line's walk found it: a whole number already read, or
  // read now by the rule.
  template <class Int>
  Int Whole(const Figure& figure) {
    if (figure.IsWhole && figure.Value >= std::numeric_limits<Int>::min() &&
        figure.Value <= std::numeric_limits<Int>::max()) {
      return static_cast<Int>(figure.Value);
    }
    return Whole<Int>(Cell(figure.Text));
  }
  // a + b, clamped; a sum beyond 32 bits is a figure too large.
  int32_t Sum(int32_t a, int64_t b) {
    const int64_t sum = int64_t{a} + b;
    if (sum != Clamped32(sum)) Cell::Note(*fault_, NumberTooLarge);
    return Clamped32(sum);
  }
  // Calls visit() for every data line of the table just found that is not
  // blank: the lines up to the next section, end or definition line.
  template <class Visit>
  void EachDataLine(Visit visit) {
    for (;;) {
      kvx_.ReadLine();
      if (kvx_.AtEnd() || kvx_.NewBlock()) return;
      if (kvx_.Line().empty()) continue;
      visit();
    }
  }
  // The same for a table of which two columns are read (0 for a column the
  // table lacks): visit(first, second) is given their values on the line.
  // The line is walked only as far as the later of the two.
  template <class Visit>
  void EachDataLine(int16_t first, int16_t second, Visit visit) {
    const size_t a = first > 0 ? static_cast<size_t>(first) + 1 : 0;
    const size_t b = second > 0 ? static_cast<size_t>(second) + 1 : 0;
    const size_t last = std::max(a, b);
    EachDataLine([&] {
      std::string_view fieldA;
      std::string_view fieldB;
      if (last > 0) {
        kvx_.EachField([&](size_t number, std::string_view field) {
          if (number == a) fieldA = field;
          if (number == b) fieldB = field;
          return number < last;
        });
      }
      visit(Cell(fieldA, a > 0), Cell(fieldB, b > 0));
    });
  }
  bool Find(std::string_view path, std::string_view table) {
    return kvx_.FindSection(path, table, KvxFromCurrentLine);
  }
  void ReadErrors(PrdSummary& summary, PrdRun& run);
  void ReadItems(const KeyFilter& filter, bool heads, size_t errorCount,
                 std::vector<PrdItem>& items, int32_t& total, std::vector<int32_t>& errorTotals);
  void ReadBoards(PrdRun& run);
  void ReadTable(PrdRun& run);
  void ReadTimes(PrdRunTime& times);

  KvxReader& kvx_;
  std::vector<Figure>& errorFields_;
  std::string& key_;
  KeyFilter heads_;
  KeyFilter partNumbers_;
  std::string* fault_ = nullptr;
};

void SummaryReader::Read(PrdSummary& summary) {
  fault_ = &summary.Fault;
  PrdRun& run = summary.Runs.front();
  if (Find("\\Totals\\Errors", "Errors")) ReadErrors(summary, run);
  const size_t errorCount = summary.ErrorNames.size();
  if (Find("\\Head Data", "Head")) {
    ReadItems(heads_, true, errorCount, run.Heads, run.HeadTotal, run.HeadErrorTotals);
  } else {
    run.Heads.clear();
  }
  if (Find("\\Feeder Data", "Feeder")) {
    ReadItems(partNumbers_, false, errorCount, run.Feeders, run.FeederTotal, run.FeederErrorTotals);
  } else {
    run.Feeders.clear();
  }
  if (!Find("\\Run Time Data", "Board")) return;
  ReadBoards(run);
  while (run.Tables.size() < MaxCount16 && Find("\\Run Time Data\\Table", "Table")) {
    ReadTable(run);
  }
}

void SummaryReader::ReadErrors(PrdSummary& summary, PrdRun& run) {
  EachDataLine(kvx_.FindColumn("Name"), 0, [&](const Cell& name, const Cell&) {
    if (summary.ErrorNames.size() < MaxCount16) summary.ErrorNames.push_back(name.Text(*fault_));
  });
  run.HeadErrorTotals.assign(summary.ErrorNames.size(), 0);
  run.FeederErrorTotals.assign(summary.ErrorNames.size(), 0);
}

void SummaryReader::ReadItems(const KeyFilter& filter, bool heads, size_t errorCount,
                              std::vector<PrdItem>& items, int32_t& total,
                              std::vector<int32_t>& errorTotals) {
  const auto fieldOf = [&](std::string_view name) -> size_t {
    const int16_t column = kvx_.FindColumn(name);
    return column > 0 ? static_cast<size_t>(column) + 1 : 0;
  };
  ItemLayout layout;
  layout.Head = heads ? fieldOf("Head Number") : 0;
  layout.Spindle = heads ? fieldOf("Spindle Number") : 0;
  layout.Part = heads ? 0 : fieldOf("Part Number");
  layout.Total = fieldOf("Total");
  layout.Errors = fieldOf("Errors");
  // A plain errors column gives one kind; kinds the line does not reach
  // count 0, extra values are ignored.
  const bool errorsArray = layout.Errors > 0 && kvx_.Columns()[layout.Errors - 2].IsArray;
  layout.ErrorsEnd =
      layout.Errors == 0
          ? 0
          : layout.Errors + (errorsArray ? errorCount : std::min<size_t>(errorCount, 1));
  layout.Last = std::max({layout.Head, layout.Spindle, layout.Part, layout.Total});
  errorFields_.resize(errorCount);
  Figure* const errorFields = errorFields_.data();
  // The record's items are written over in place, so that a record read
  // again keeps the room its items had.
  size_t kept = 0;
  char digits[16];  // "32767--32768" at most
  EachDataLine([&] {
    const ItemLine line = WalkItemLine(kvx_, layout, errorFields);
    // The fields are read in the order that decides which fault a damaged
    // line names. The key is made where it stands (a quoted part number in
    // the line, a head's numbers in digits) and copied only into the item
    // kept.
    std::string_view key;
    if (heads) {
      const int16_t headNumber = layout.Head > 0 ? Whole<int16_t>(line.Head) : 0;
      const int16_t spindleNumber = layout.Spindle > 0 ? Whole<int16_t>(line.Spindle) : 0;
      char* at = digits;
      char* const end = digits + sizeof digits;
      if (headNumber >= 1) {
        at = std::to_chars(at, end, headNumber).ptr;
        *at++ = '-';
      }
      at = std::to_chars(at, end, spindleNumber).ptr;
      key = std::string_view(digits, static_cast<size_t>(at - digits));
    } else if (IsKvxText(line.Part.Text)) {
      key = KvxText(line.Part.Text);
    } else if (layout.Part > 0) {
      // A number, or a line too short for the column: "" there reads 0.
      key_ = Cell(line.Part.Text).Text(*fault_);
      key = key_;
    }
    if (kept >= MaxCount16 || !filter.Passes(key)) return;
    PrdItem& item = kept < items.size() ? items[kept] : items.emplace_back();
    ++kept;
    item.Key.assign(key);
    item.Total = layout.Total > 0 ? Whole<int32_t>(line.Count) : 0;
    item.Errors.resize(errorCount);
    for (size_t e = 0; e < errorCount; ++e) {
      const int32_t errors = e < line.ErrorsRead ? Whole<int32_t>(errorFields[e]) : 0;
      item.Errors[e] = errors;
      errorTotals[e] = Sum(errorTotals[e], errors);
    }
    total = Sum(total, item.Total);
  });
  items.resize(kept);
}

void SummaryReader::ReadBoards(PrdRun& run) {
  const int16_t attribute = kvx_.FindColumn("Attribute");
  const int16_t value = kvx_.FindColumn("Value");
  EachDataLine(attribute, value, [&](const Cell& name, const Cell& figure) {
    if (name.Is("TOTAL", *fault_)) {
      run.BoardCount = Whole<int32_t>(figure);
    } else if (name.Is("BAD", *fault_)) {
      const int32_t bad = Whole<int32_t>(figure);
      run.BoardCount = Sum(run.BoardCount, -int64_t{bad});
    }
  });
}

void SummaryReader::ReadTable(PrdRun& run) {
  run.Tables.emplace_back();
  const bool first = run.Tables.size() == 1;
  const int16_t attribute = kvx_.FindColumn("Attribute");
  const int16_t value = kvx_.FindColumn("Value");
  EachDataLine(attribute, value, [&](const Cell& name, const Cell& time) {
    if (name.Is("START", *fault_)) {
      const Runtime::DateTime start = ParseDateTime(time.Text(key_, *fault_));
      if (first || start.Serial < run.StartTime.Serial) run.StartTime = start;
    } else if (name.Is("FINISH", *fault_)) {
      const Runtime::DateTime finish = ParseDateTime(time.Text(key_, *fault_));
      if (first || finish.Serial > run.FinishTime.Serial) run.FinishTime = finish;
    }
  });
  if (Find("\\Run Time Data\\Table\\Time", "Time")) ReadTimes(run.Tables.back());
}

void SummaryReader::ReadTimes(PrdRunTime& times) {
  const int16_t category = kvx_.FindColumn("Category");
  const int16_t seconds = kvx_.FindColumn("Seconds");
  EachDataLine(category, seconds, [&](const Cell& name, const Cell& figure) {
    int32_t* target = name.Is("RUNNING", *fault_)   ? &times.RunningSeconds
                      : name.Is("WAITING", *fault_) ? &times.WaitingSeconds
                      : name.Is("STOPPED", *fault_) ? &times.StoppedSeconds
                                                    : nullptr;
    if (target != nullptr) *target = Whole<int32_t>(figure);
  });
}

// The record as a read starts it: one run named RunName, everything else empty
// or 0. A record read before keeps the room of its lists (its items are
// written over by the next read).
void StartSummary(PrdSummary& summary, const std::string& RunName) {
  summary.ErrorNames.clear();
  summary.Fault.clear();
  summary.Runs.resize(1);
  PrdRun& run = summary.Runs.front();
  run.StartTime = {};
  run.FinishTime = {};
  run.Name = RunName;
  run.Detail.clear();
  run.Side = 0;
  run.BoardCount = 0;
  run.Tables.clear();
  run.FeederTotal = 0;
  run.FeederErrorTotals.clear();
  run.HeadTotal = 0;
  run.HeadErrorTotals.clear();
}

}  // namespace

// ---------------------------------------------------------------------------

std::string MachineTable::MachineName(int16_t MachineIndex) const {
  if (MachineIndex >= 1 && MachineIndex <= MachineCount()) {
    const MachineConfig& machine = Machines[static_cast<size_t>(MachineIndex) - 1];
    if (!Runtime::Trim(machine.NickName).empty()) {
      return machine.NickName + " " + DecimalText(machine.MachineNumber);
    }
  }
  return "Machine " + DecimalText(MachineIndex);
}

float MachineTable::PlacementSpeed(int16_t MachineIndex) const noexcept {
  if (MachineIndex == 0) {
    float sum = 0.0F;
    for (const MachineConfig& machine : Machines) sum += machine.Speed;
    return sum;
  }
  if (MachineIndex >= 1 && MachineIndex <= MachineCount()) {
    return Machines[static_cast<size_t>(MachineIndex) - 1].Speed;
  }
  return 0.0F;
}

MachineTable ReadMachineTable(int16_t LineNumber, const std::string& DataDirectory) {
  MachineTable table;
  const std::string fileName = DataDirectory + "Line" + DecimalText(LineNumber) + "/CommSet.Cnf";
  std::string bytes;
  std::string why;
  if (!ReadDataFile(fileName, bytes, MaxConfigBytes, &why)) {
    table.Problem = Platform::PathExists(fileName) ? "it cannot be read: " + why
                                                   : std::string("the file is missing");
    return table;
  }

  // The file is read forward once: each header is looked for after the one
  // before it.
  size_t pos = 0;
  std::vector<std::string_view> fields;
  auto nextHeader = [&](std::string_view header) {
    while (pos < bytes.size()) {
      SplitFields(NextTextLine(bytes, pos), ',', 0, fields);
      if (Runtime::EqualsNoCase(FieldAt(fields, 1), header)) return true;
    }
    return false;
  };
  if (!nextHeader("DOWNLOAD MODULE")) {
    table.Problem = bytes.empty() ? "the file is empty" : "it has no \"DOWNLOAD MODULE\" line";
    return table;
  }
  for (size_t i = 2; i <= fields.size() && table.Machines.size() < MaxCount16; ++i) {
    if (fields[i - 1].empty()) break;
    MachineConfig machine;
    machine.ModuleName.assign(fields[i - 1]);
    machine.MachineNumber = static_cast<int16_t>(i - 1);
    table.Machines.push_back(std::move(machine));
  }
  if (table.Machines.empty()) table.Problem = "its \"DOWNLOAD MODULE\" line names none";
  if (nextHeader("PLACEMENT SPEED")) {
    for (size_t i = 1; i <= table.Machines.size(); ++i) {
      const double seconds = KvxNumber(FieldAt(fields, i + 1));
      const double speed = seconds > 0.0 ? 1.0 / seconds : 0.0;
      // A figure so small that its inverse leaves the single range is no speed.
      table.Machines[i - 1].Speed =
          speed <= std::numeric_limits<float>::max() ? static_cast<float>(speed) : 0.0F;
    }
  }
  if (nextHeader("NICK NAME")) {
    for (size_t i = 1; i <= table.Machines.size(); ++i) {
      table.Machines[i - 1].NickName.assign(FieldAt(fields, i + 1));
    }
  }
  return table;
}

void ReadLineConfig(int16_t LineNumber, const std::string& DataDirectory) {
  auto table = std::make_shared<const MachineTable>(ReadMachineTable(LineNumber, DataDirectory));
  std::lock_guard lock(TableMutex());
  TableSlot() = std::move(table);
}

std::shared_ptr<const MachineTable> CurrentMachineTable() {
  std::lock_guard lock(TableMutex());
  return TableSlot();
}

int16_t MachineCount() {
  return CurrentMachineTable()->MachineCount();
}

std::string MachineName(int16_t MachineIndex) {
  return CurrentMachineTable()->MachineName(MachineIndex);
}

float PlacementSpeed(int16_t MachineIndex) {
  return CurrentMachineTable()->PlacementSpeed(MachineIndex);
}

void UpdateLineStatus(LineStatusForm& /*Window*/, const std::string& /*DataDirectory*/) {}

// ---------------------------------------------------------------------------

PrdSummary ReadMachinePrdSummary(const std::string& FileName, const Runtime::Collection& HeadFilter,
                                 const Runtime::Collection& PartNumberFilter,
                                 const Runtime::Collection& /*ErrorFilter*/,
                                 const std::string& RunName) {
  PrdSummary summary;
  StartSummary(summary, RunName);
  SummaryScratch& scratch = TheSummaryScratch();
  if (!scratch.Reader.Open(FileName)) return summary;
  SummaryReader(scratch, HeadFilter, PartNumberFilter).Read(summary);
  scratch.Reader.Close();
  return summary;
}

void ReadMachinePrdSummaryBytes(std::string_view Bytes, const Runtime::Collection& HeadFilter,
                                const Runtime::Collection& PartNumberFilter,
                                const Runtime::Collection& /*ErrorFilter*/,
                                const std::string& RunName, PrdSummary& Summary) {
  StartSummary(Summary, RunName);
  SummaryScratch& scratch = TheSummaryScratch();
  scratch.Reader.OpenView(Bytes);
  SummaryReader(scratch, HeadFilter, PartNumberFilter).Read(Summary);
  scratch.Reader.Close();
}

PrdSummary ReadMachinePrdSummaryBytes(std::string_view Bytes, const Runtime::Collection& HeadFilter,
                                      const Runtime::Collection& PartNumberFilter,
                                      const Runtime::Collection& ErrorFilter,
                                      const std::string& RunName) {
  PrdSummary summary;
  ReadMachinePrdSummaryBytes(Bytes, HeadFilter, PartNumberFilter, ErrorFilter, RunName, summary);
  return summary;
}

namespace {

// The figures of a date and time written as the machines write them,
// "yyyy-mm-dd hh:mm:ss"; false for any other text.
bool ReadPlainDateTime(std::string_view text, int16_t (&figures)[6]) noexcept {
  static constexpr std::string_view shape = "0000-00-00 00:00:00";
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < shape.size(); ++i) {
    const bool digit = static_cast<unsigned char>(text[i] - '0') <= 9;
    if (shape[i] == '0' ? !digit : text[i] != shape[i]) return false;
  }
  const auto figure = [&](size_t at, size_t width) {
    int16_t value = 0;
    for (size_t i = at; i < at + width; ++i) {
      value = static_cast<int16_t>(value * 10 + text[i] - '0');
    }
    return value;
  };
  figures[0] = figure(0, 4);
  figures[1] = figure(5, 2);
  figures[2] = figure(8, 2);
  figures[3] = figure(11, 2);
  figures[4] = figure(14, 2);
  figures[5] = figure(17, 2);
  return true;
}

}  // namespace

Runtime::DateTime ParseDateTime(std::string_view Text) {
  int16_t figures[6];
  if (!ReadPlainDateTime(Text, figures)) {
    thread_local std::vector<std::string_view> parts;
    thread_local std::vector<std::string_view> pieces;
    SplitFields(Text, ' ', 0, parts);
    const std::string_view date = FieldAt(parts, 1);
    const std::string_view time = FieldAt(parts, 2);
    auto part = [&](size_t index) {
      return ClampedWhole<int16_t>(KvxNumber(FieldAt(pieces, index)));
    };
    SplitFields(date, '-', 0, pieces);
    for (size_t i = 0; i < 3; ++i) figures[i] = part(i + 1);
    SplitFields(time, ':', 0, pieces);
    for (size_t i = 0; i < 3; ++i) figures[i + 3] = part(i + 1);
  }
  const auto [year, month, day, hours, minutes, seconds] = figures;
  try {
    return Runtime::DateTime{Runtime::DateSerial(year, month, day).Serial +
                             Runtime::TimeSerial(hours, minutes, seconds).Serial};
  } catch (const Runtime::Error&) {
    return {};
  }
}

}  // namespace Kordex
