#include "viewer/data/modKVX.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "runtime/CaseFold.h"
#include "runtime/Collection.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/TextFields.h"

namespace Kordex {

namespace {

constexpr size_t MaxCount16 = std::numeric_limits<int16_t>::max();

bool HasWildcard(std::string_view pattern) noexcept {
  // A loop of its own: find_first_of makes a call per byte of the pattern.
  for (const char c : pattern) {
    if (c == '*' || c == '?' || c == '#' || c == '[') return true;
  }
  return false;
}

void AppendUpper(std::string& out, std::string_view text) {
  const size_t at = out.size();
  out.append(text);
  for (size_t i = at; i < out.size(); ++i) out[i] = Runtime::UpperChar(out[i]);
}

void AssignUpper(std::string& out, std::string_view text) {
  out.clear();
  AppendUpper(out, text);
}

bool IsSectionLine(std::string_view trimmed) noexcept {
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

}  // namespace

bool IsKvxText(std::string_view field) noexcept {
  return !field.empty() && field.front() == '"' && field.back() == '"';
}

std::string_view KvxText(std::string_view field) noexcept {
  // A lone quote begins and ends with a quote: it is the empty text.
  return field.size() >= 2 ? field.substr(1, field.size() - 2) : std::string_view{};
}

bool ReadKvxNumber(std::string_view field, double& value) noexcept {
  value = 0.0;
  if (field.empty()) return true;
  // Most fields are plain whole numbers: read them here, exactly as the
  // leading-number rule would, and leave the rest to it.
  int64_t whole = 0;
  if (KvxWholeNumber(field, whole)) {
    value = static_cast<double>(whole);
    return true;
  }
  try {
    value = Runtime::DecimalVal(field);
    return true;
  } catch (const Runtime::Error&) {
    // A number too large for a double: nothing sensible was read.
    return false;
  }
}

double KvxNumber(std::string_view field) noexcept {
  double value = 0.0;
  ReadKvxNumber(field, value);
  return value;
}

Runtime::Variant KvxValue(std::string_view field) {
  if (IsKvxText(field)) return Runtime::Variant(std::string(KvxText(field)));
  return Runtime::Variant(KvxNumber(field));
}

bool KvxReader::Open(const std::string& FileName) {
  Restart();
  if (!ReadDataFile(FileName, bytes_, MaxFileBytes)) {
    bytes_.clear();
    return false;
  }
  state_.FileNumber = 1;
  return true;
}

void KvxReader::OpenBytes(std::string_view bytes) {
  Restart();
  bytes_.assign(bytes.data(), std::min(bytes.size(), MaxFileBytes));
  state_.FileNumber = 1;
}

void KvxReader::OpenView(std::string_view bytes) {
  Restart();
  bytes_.clear();
  view_ = bytes.substr(0, std::min(bytes.size(), MaxFileBytes));
  viewed_ = true;
  state_.FileNumber = 1;
}

void KvxReader::Close() {
  Restart();
  // Keep the buffer for the next file unless one huge file would pin it.
  if (bytes_.capacity() > (size_t{4} << 20)) {
    std::string().swap(bytes_);
  } else {
    bytes_.clear();
  }
}

void KvxReader::Restart() {
  Reset();
  view_ = {};
  viewed_ = false;
  pos_ = 0;
  state_.SectionStart = 0;
  state_.TableStart = 0;
  state_.FileNumber = 0;
}

void KvxReader::Reset() {
  KeepLine();
  KeepSections();
  KeepTable();
  state_.Status = KvxStatusNormal;
  state_.Line.clear();
  line_ = {};
  lineStale_ = false;
  state_.Sections.clear();
  pathLength_ = 1;
  state_.NewBlock = false;
  state_.TableName.clear();
  state_.Columns.clear();
  columnsPending_ = false;
  ++blockSerial_;
}

void KvxReader::KeepLine() {
  if (!searching_ || keptLine_) return;
  // A line read where it stands in the file is kept as that view; only a
  // line cleaned of its TABs has a text of its own to put aside.
  savedLine_ = line_;
  savedLineInFile_ = lineStale_;
  if (!lineStale_) std::swap(state_.Line, saved_.Line);
  keptLine_ = true;
}

void KvxReader::KeepSections() {
  if (!searching_ || keptSections_) return;
  saved_.Sections = state_.Sections;
  keptSections_ = true;
}

void KvxReader::KeepTable() {
  if (!searching_ || keptTable_) return;
  std::swap(state_.TableName, saved_.TableName);
  std::swap(state_.Columns, saved_.Columns);
  keptTable_ = true;
}

std::string KvxReader::SectionPath() const {
  std::string path = "\\";
  for (size_t i = 0; i < state_.Sections.size(); ++i) {
    if (i > 0) path += '\\';
    path += state_.Sections[i];
  }
  return path;
}

void KvxReader::OpenSection(std::string_view name) {
  // The depth is a 16-bit count; a file nested deeper than that is damaged and
  // its innermost sections are not tracked.
  if (state_.Sections.size() >= MaxCount16) return;
  KeepSections();
  pathLength_ += name.size() + (state_.Sections.empty() ? 0 : 1);
  state_.Sections.emplace_back(name);
}

void KvxReader::ReadLine() {
  if (pos_ >= Text().size()) {
    state_.Status = KvxStatusEndOfFile;
    return;
  }
  bool tabbed = false;
  const std::string_view trimmed = NextTrimmedLine(Text(), pos_, tabbed);
  // A search looks only at section, end and definition lines; the data lines
  // it passes over are not kept, as it ends on one of the others or fails.
  if (searching_ && !IsSectionLine(trimmed) && (trimmed.empty() || trimmed.front() != '@')) return;
  if (searching_) KeepLine();
  // TABs go, then blanks at both ends: the same as cutting blanks and TABs
  // from the ends first and then dropping the TABs inside.
  if (tabbed) {
    state_.Line.assign(trimmed);
    std::erase(state_.Line, '\t');
    line_ = state_.Line;
    lineStale_ = false;
  } else {
    line_ = trimmed;
    lineStale_ = true;
  }
  const std::string_view line = line_;
  if (IsSectionLine(line)) {
    KeepTable();
    state_.NewBlock = true;
    state_.TableName.assign("0");
    state_.Columns.clear();
    columnsPending_ = false;
    ++blockSerial_;
    const std::string_view inner = TrimBlanks(std::string_view(line).substr(1, line.size() - 2));
    if (inner.size() >= 4 && Runtime::EqualsNoCase(inner.substr(0, 4), "END ")) {
      const std::string_view closes = TrimBlanks(inner.substr(4));
      if (!state_.Sections.empty() && Runtime::EqualsNoCase(closes, state_.Sections.back())) {
        KeepSections();
        pathLength_ -= state_.Sections.back().size() + (state_.Sections.size() > 1 ? 1 : 0);
        state_.Sections.pop_back();
      }
    } else {
      OpenSection(inner);
      state_.SectionStart = Position();
    }
    return;
  }
  // Only a line that starts with "@" can have "@DEFINE" as its first field.
  if (!line.empty() && line.front() == '@') ReadDefinition();
}

void KvxReader::ReadDefinition() {
  bool defines = false;
  EachSplitField(line_, ',', 0, [&](size_t number, std::string_view field) {
    if (number == 1) {
      if (!Runtime::EqualsNoCase(field, "@DEFINE")) return false;
      defines = true;
      KeepTable();
      state_.TableStart = Position();
      state_.NewBlock = true;
      state_.TableName.clear();
      return true;
    }
    state_.TableName.assign(field);
    return false;
  });
  if (!defines) return;
  // A search needs only the table's name: the columns of a table it passes
  // over are never seen, and those of the table it finds are read then.
  if (searching_) {
    columnsPending_ = true;
  } else {
    ReadColumns();
  }
  ++blockSerial_;
}

void KvxReader::ReadColumns() {
  // The columns of the table before are written over in place, so that their
  // names keep their room.
  columnsPending_ = false;
  std::vector<KvxColumn>& columns = state_.Columns;
  size_t count = 0;
  EachSplitField(line_, ',', 0, [&](size_t number, std::string_view field) {
    if (number <= 2) return true;
    if (field.empty() || count >= MaxCount16) return false;
    if (count == columns.size()) columns.emplace_back();
    KvxColumn& column = columns[count++];
    column.ColumnType = 2;
    column.Starred = false;
    column.IsArray = false;
    if (field.front() == '#') {
      column.ColumnType = 0;
      field.remove_prefix(1);
    } else if (field.front() == '$') {
      column.ColumnType = 1;
      field.remove_prefix(1);
    }
    if (!field.empty() && field.back() == '*') {
      column.Starred = true;
      field.remove_suffix(1);
    }
    if (field.size() >= 2 && field.ends_with("()")) {
      column.IsArray = true;
      field.remove_suffix(2);
    }
    column.Name.assign(field);
    return true;
  });
  columns.resize(count);
}

bool KvxReader::PathIs(std::string_view pattern) const noexcept {
  // The pattern against "\\" and the open sections joined by "\\", without
  // making that path: a section's name may itself hold a "\\".
  if (pattern.size() != pathLength_ || pattern.front() != '\\') return false;
  size_t at = 1;
  for (size_t i = 0; i < state_.Sections.size(); ++i) {
    if (i > 0) {
      if (at >= pattern.size() || pattern[at] != '\\') return false;
      ++at;
    }
    const std::string& name = state_.Sections[i];
    if (pattern.size() - at < name.size() ||
        !Runtime::EqualsNoCase(pattern.substr(at, name.size()), name)) {
      return false;
    }
    at += name.size();
  }
  return at == pattern.size();
}

bool KvxReader::Matches() const {
  if (pathWild_) {
    pathUpper_.assign("\\");
    for (size_t i = 0; i < state_.Sections.size(); ++i) {
      if (i > 0) pathUpper_ += '\\';
      AppendUpper(pathUpper_, state_.Sections[i]);
    }
    if (!Runtime::Like(pathUpper_, pathPattern_)) return false;
  } else if (!PathIs(plainPath_)) {
    return false;
  }
  // The table name meets a plain pattern where it stands: without regard to
  // case it equals the pattern exactly when in capitals it does.
  if (!tableWild_) return Runtime::EqualsNoCase(state_.TableName, plainTable_);
  AssignUpper(tableUpper_, state_.TableName);
  return Runtime::Like(tableUpper_, tablePattern_);
}

bool KvxReader::FindSection(std::string_view PathPattern, std::string_view TablePattern,
                            int16_t Mode) {
  // Only what the search changes is put aside, and only when it first changes
  // (KeepLine, KeepSections, KeepTable): the sections and columns are copied
  // at most once, the line and table not at all.
  saved_.SectionStart = state_.SectionStart;
  saved_.TableStart = state_.TableStart;
  saved_.Status = state_.Status;
  saved_.NewBlock = state_.NewBlock;
  savedPos_ = pos_;
  searching_ = true;
  keptLine_ = keptSections_ = keptTable_ = false;
  bool found = false;
  try {
    found = Search(PathPattern, TablePattern, Mode);
  } catch (...) {
    // A bad pattern: the reader stays where the search stood, as it is.
    searching_ = false;
    if (columnsPending_) ReadColumns();
    throw;
  }
  searching_ = false;
  if (found) return true;
  state_.SectionStart = saved_.SectionStart;
  state_.TableStart = saved_.TableStart;
  state_.Status = saved_.Status;
  state_.NewBlock = saved_.NewBlock;
  if (keptLine_ && savedLineInFile_) {
    line_ = savedLine_;
    lineStale_ = true;
  } else if (keptLine_) {
    std::swap(state_.Line, saved_.Line);
    line_ = state_.Line;
    lineStale_ = false;
  }
  if (keptSections_) {
    std::swap(state_.Sections, saved_.Sections);
    pathLength_ = 1;
    for (size_t i = 0; i < state_.Sections.size(); ++i) {
      pathLength_ += state_.Sections[i].size() + (i > 0 ? 1 : 0);
    }
  }
  if (keptTable_) {
    std::swap(state_.TableName, saved_.TableName);
    std::swap(state_.Columns, saved_.Columns);
    columnsPending_ = false;
  }
  pos_ = savedPos_;
  ++blockSerial_;
  return false;
}

bool KvxReader::Search(std::string_view PathPattern, std::string_view TablePattern, int16_t Mode) {
  switch (Mode) {
    case KvxFromFileStart:
      Reset();
      pos_ = 0;
      state_.NewBlock = true;
      break;
    case KvxFromSectionStart:
      KeepTable();
      pos_ = std::min<size_t>(static_cast<size_t>(std::max(1, state_.SectionStart)) - 1,
                              Text().size());
      state_.NewBlock = true;
      state_.TableName.clear();
      state_.Columns.clear();
      columnsPending_ = false;
      ++blockSerial_;
      break;
    case KvxFromTableStart:
      pos_ =
          std::min<size_t>(static_cast<size_t>(std::max(1, state_.TableStart)) - 1, Text().size());
      break;
    default: break;
  }
  // Past the end nothing new can be found; testing the state as it stands would
  // find the last table again and again.
  if (state_.Status == KvxStatusEndOfFile) return false;
  // Only a pattern with wildcards is put in capitals; a plain one is met
  // where it stands, byte by byte without regard to case.
  pathWild_ = HasWildcard(PathPattern);
  tableWild_ = HasWildcard(TablePattern);
  if (pathWild_) AssignUpper(pathPattern_, PathPattern);
  if (tableWild_) AssignUpper(tablePattern_, TablePattern);
  plainPath_ = PathPattern;
  plainTable_ = TablePattern;
  uint64_t tested = blockSerial_ - 1;
  for (;;) {
    if (tested != blockSerial_) {
      tested = blockSerial_;
      if (Matches()) {
        state_.NewBlock = false;
        if (columnsPending_) ReadColumns();
        return true;
      }
    }
    ReadLine();
    if (state_.Status == KvxStatusEndOfFile) return false;
  }
}

int16_t KvxReader::FindColumn(std::string_view ColumnName) const noexcept {
  for (size_t k = 0; k < state_.Columns.size(); ++k) {
    if (Runtime::EqualsNoCase(state_.Columns[k].Name, ColumnName))
      return static_cast<int16_t>(k + 1);
  }
  return 0;
}

void KvxReader::SplitLine(std::vector<std::string_view>& fields) const {
  SplitFields(line_, ',', '"', fields);
}

Runtime::Variant KvxReader::ParseValues(std::string_view ColumnName) const {
  const int16_t k = FindColumn(ColumnName);
  if (k == 0) return {};
  SplitLine(fields_);
  if (!state_.Columns[static_cast<size_t>(k) - 1].IsArray) {
    return KvxValue(FieldAt(fields_, static_cast<size_t>(k) + 1));
  }
  auto values = std::make_shared<Runtime::Collection>();
  for (size_t i = static_cast<size_t>(k) + 1; i <= fields_.size() && !fields_[i - 1].empty(); ++i) {
    values->Add(KvxValue(fields_[i - 1]));
  }
  return Runtime::Variant(values);
}

namespace {

KvxReader& ModuleReader() {
  static KvxReader reader;
  return reader;
}

}  // namespace

bool OpenKvxFile(const std::string& FileName) {
  return ModuleReader().Open(FileName);
}

void CloseKvxFile() {
  ModuleReader().Close();
}

void ResetKvxReader() {
  ModuleReader().Reset();
}

void ReadKvxLine() {
  ModuleReader().ReadLine();
}

bool FindKvxSection(const std::string& PathPattern, const std::string& TablePattern, int16_t Mode) {
  return ModuleReader().FindSection(PathPattern, TablePattern, Mode);
}

KvxReaderState GetKvxState() {
  return ModuleReader().State();
}

Runtime::Variant ParseKvxValues(const std::string& ColumnName) {
  return ModuleReader().ParseValues(ColumnName);
}

}  // namespace Kordex
