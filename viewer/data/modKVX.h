#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Variant.h"
#include "viewer/data/TextFields.h"

namespace Kordex {

// The forward reader of the machines' production-summary files (".KVX"):
// nested bracketed sections closed by "[END name]" lines, tables defined by
// "@DEFINE" lines, and comma-separated data lines whose first field is not
// read. The reader keeps the open sections and the columns of the current
// table, finds a table in a section, and splits a data line into the values of
// named columns. Names compare without regard to case throughout.

// One column of the current table. Nothing reads the type or the mark; they
// are kept with the column.
struct KvxColumn {
  int32_t ColumnType = 2;  // 0 numeric ("#"), 1 text ("$"), 2 untyped
  std::string Name;
  bool Starred = false;  // the definition marked the column with "*"
  bool IsArray = false;  // "()": takes the rest of the line's fields
};

inline constexpr int32_t KvxStatusNormal = 0;
inline constexpr int32_t KvxStatusEndOfFile = 1;  // sticky until the reader is reset

// Where a search starts.
inline constexpr int16_t KvxFromCurrentLine = 0;
inline constexpr int16_t KvxFromFileStart = 1;     // resets the reader
inline constexpr int16_t KvxFromSectionStart = 2;  // just after the last section line opened
inline constexpr int16_t KvxFromTableStart = 3;    // just after the last definition line

// The reader's state. File positions are 1-based byte positions of the next
// line to read.
struct KvxReaderState {
  int32_t SectionStart = 0;  // position after the last section line opened
  int32_t TableStart = 0;    // position after the last table definition line
  int16_t FileNumber = 0;    // non-zero while a file is open
  int32_t Status = KvxStatusNormal;
  std::string Line;                   // the last line read, TABs removed, trimmed
  std::vector<std::string> Sections;  // the open sections, outermost first
  bool NewBlock = false;  // a section, end or definition line was read (or a search moved back)
  std::string TableName;  // "0" after a section or end line, "" after a reset
  std::vector<KvxColumn> Columns;

  int16_t Depth() const noexcept { return static_cast<int16_t>(Sections.size()); }
  int16_t ColumnCount() const noexcept { return static_cast<int16_t>(Columns.size()); }
};

// One reader over one file held in memory. The program's own reader behind the
// module routines below is one of these; a caller that reads many files (the
// machine summary reader) keeps its own, so no other reader's position is
// disturbed and the buffer is reused from file to file.
class KvxReader {
 public:
  // Files beyond this size are not read (Open fails): positions are 32-bit
  // and a damaged multi-gigabyte file must not exhaust memory.
  static constexpr size_t MaxFileBytes = size_t{64} << 20;

  // Resets the reader and reads the whole file; false when it cannot be read.
  bool Open(const std::string& FileName);
  // Resets the reader and takes a copy of the bytes as the file's content.
  void OpenBytes(std::string_view bytes);
  // Resets the reader and reads the bytes where they are: they must stay
  // unchanged until the reader is closed or opened again.
  void OpenView(std::string_view bytes);
  // Resets the reader and lets go of the file.
  void Close();
  // Status, Line, sections, NewBlock, table name and columns back to their
  // start; positions and the file stay.
  void Reset();
  // Reads the next line; at the end of the file only Status changes.
  void ReadLine();
  // Searches for a table in a section; both patterns are wildcard patterns
  // ("*", "?", "#", "[list]") compared without regard to case. The section
  // path is "\" and the open sections joined by "\" ("\Run Time Data\Table"),
  // "\" alone with none open. On success the reader stands on the line after
  // the table's definition line. A failed search puts the reader back where it
  // stood before it, so a missing table costs nothing of what follows; once the
  // end of the file was met, searches other than from the file's start fail.
  bool FindSection(std::string_view PathPattern, std::string_view TablePattern, int16_t Mode);

  const KvxReaderState& State() {
    SyncLine();
    return state_;
  }
  // The parts of the state a reader of every line asks for, without making
  // the line a text of its own (State does that).
  std::string_view Line() const noexcept { return line_; }
  bool NewBlock() const noexcept { return state_.NewBlock; }
  const std::vector<KvxColumn>& Columns() const noexcept { return state_.Columns; }
  // The path of the open sections as a search sees it.
  std::string SectionPath() const;
  // The file position of the next line (1-based).
  int32_t Position() const noexcept { return static_cast<int32_t>(pos_ + 1); }
  bool AtEnd() const noexcept { return state_.Status == KvxStatusEndOfFile; }

  // The value of a named column on the current line: a number (Double), a text
  // (String), for an array column a Collection of values (1-based, possibly
  // empty), or Empty when the table has no such column.
  Runtime::Variant ParseValues(std::string_view ColumnName) const;

  // For readers of whole tables: the column's position (1-based) in the
  // current table, 0 when there is none; and the fields of the current line
  // (the value of column k is field k + 1, see FieldAt).
  int16_t FindColumn(std::string_view ColumnName) const noexcept;
  void SplitLine(std::vector<std::string_view>& fields) const;
  // The same fields handed one at a time where they stand in the line, with
  // their numbers (field 1 first): visit(number, field) returns false to stop.
  template <class Visit>
  void EachField(Visit visit) const;

 private:
  void Restart();
  void OpenSection(std::string_view name);
  void ReadDefinition();
  void ReadColumns();
  bool Matches() const;
  bool PathIs(std::string_view pattern) const noexcept;
  bool Search(std::string_view PathPattern, std::string_view TablePattern, int16_t Mode);
  // The current line is read where it stands in the file whenever it has no
  // TAB inside (nearly always): line_ views it there and State().Line is made
  // from it only when asked for. A line with TABs is cleaned into
  // state_.Line, which line_ then views.
  void SyncLine() {
    if (!lineStale_) return;
    state_.Line.assign(line_);
    lineStale_ = false;
  }
  // Before a search first changes a part of the state, the part as it stood is
  // put into saved_.
  void KeepLine();
  void KeepSections();
  void KeepTable();

  // The file as read: the reader's own copy, or the caller's bytes (OpenView).
  std::string_view Text() const noexcept { return viewed_ ? view_ : std::string_view(bytes_); }

  std::string bytes_;
  std::string_view view_;
  bool viewed_ = false;
  size_t pos_ = 0;
  KvxReaderState state_;
  std::string_view line_;
  bool lineStale_ = false;  // state_.Line is not yet line_
  KvxReaderState saved_;    // where a search started, as far as it was kept
  size_t savedPos_ = 0;
  bool searching_ = false;
  bool keptLine_ = false;
  std::string_view savedLine_;    // the line as it stood when a search began
  bool savedLineInFile_ = false;  // and it was read where it stands in the file
  bool keptSections_ = false;
  bool keptTable_ = false;
  // A counter that moves whenever the open sections or the table may have
  // changed: a search tests the state only after such a change. The path and
  // table name are put in capitals only for patterns with wildcards.
  mutable std::string pathUpper_;
  mutable std::string tableUpper_;
  uint64_t blockSerial_ = 0;
  size_t pathLength_ = 1;  // the length of SectionPath()
  // The current line defines a table whose columns are not read yet.
  bool columnsPending_ = false;
  std::string pathPattern_;
  std::string tablePattern_;
  // The patterns of the search in progress, as the caller gave them.
  std::string_view plainPath_;
  std::string_view plainTable_;
  bool pathWild_ = false;
  bool tableWild_ = false;
  mutable std::vector<std::string_view> fields_;
};

template <class Visit>
void KvxReader::EachField(Visit visit) const {
  EachSplitField(line_, ',', '"', visit);
}

// Reading one field of a data line: a field that begins and ends with a double
// quote is the text between them; any other field is the number its leading
// stretch reads as: decimal only, "." the decimal point, blanks inside
// ignored, an exponent allowed ("1.5E3"); 0 when it does not begin with a
// number ("-", "abc", "&H3E8"). Every number the production data holds is read
// this way.
bool IsKvxText(std::string_view field) noexcept;
std::string_view KvxText(std::string_view field) noexcept;
double KvxNumber(std::string_view field) noexcept;
// The same, false (value 0) for a number beyond the range of a double.
bool ReadKvxNumber(std::string_view field, double& value) noexcept;
// A field of at most 15 digits, a minus before them or not: its value, exact.
// False for any other field (which KvxNumber reads by the general rule).
inline bool KvxWholeNumber(std::string_view field, int64_t& value) noexcept {
  const bool negative = !field.empty() && field.front() == '-';
  const std::string_view digits = negative ? field.substr(1) : field;
  if (digits.empty() || digits.size() > 15) return false;
  int64_t whole = 0;
  for (const char c : digits) {
    const unsigned d = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
    if (d > 9) return false;
    whole = whole * 10 + d;
  }
  value = negative ? -whole : whole;
  return true;
}
Runtime::Variant KvxValue(std::string_view field);

// The program's reader: one file at a time, opened, searched and read, closed.
bool OpenKvxFile(const std::string& FileName);
void CloseKvxFile();
void ResetKvxReader();
void ReadKvxLine();
bool FindKvxSection(const std::string& PathPattern, const std::string& TablePattern, int16_t Mode);
KvxReaderState GetKvxState();
Runtime::Variant ParseKvxValues(const std::string& ColumnName);

}  // namespace Kordex
