#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Kordex::SampleData {

// What one machine's production-summary file holds, as the generator decides
// it; tests compare what the reader makes of the written file with this.
// Texts are Windows-1252 bytes.

struct HeadLine {
  int16_t Head = 0;  // 0 on a machine with one head: the key is the spindle alone
  int16_t Spindle = 1;
  std::string Nozzle;
  int32_t Total = 0;
  std::vector<int32_t> Errors;  // one per error kind, in the file's order
};

struct FeederLine {
  int32_t Slot = 0;
  std::string PartNumber;
  std::string Description;  // may hold commas: written quoted like every text
  int32_t Total = 0;
  std::vector<int32_t> Errors;
};

struct RunTable {
  std::string Start;  // "yyyy-mm-dd hh:nn:ss"
  std::string Finish;
  int32_t RunningSeconds = 0;
  int32_t WaitingSeconds = 0;
  int32_t StoppedSeconds = 0;
};

struct SummaryContent {
  std::string ModuleName;  // the machine, in the file's information section
  std::string Program;     // the product
  std::vector<std::string> ErrorNames;
  std::vector<HeadLine> Heads;
  std::vector<FeederLine> Feeders;
  int32_t BoardTotal = 0;
  int32_t BoardBad = 0;
  std::vector<RunTable> Tables;
};

// The file: nested sections closed by "[END name]", "@DEFINE" lines, data lines
// whose first field is a row number, every text quoted, array columns last,
// indentation by TABs, CR LF line ends. Tables stand in the order in which the
// reader looks for them, with a few tables the reader does not read between
// them.
std::string SummaryFileText(const SummaryContent& content);

// Ways to damage a file for robustness tests.
enum class Damage {
  Truncated,     // cut at some byte, possibly inside a line
  MissingTable,  // one of the tables the reader looks for is gone
  GarbageLines,  // lines of noise among the others
  WrongTypes,    // numbers as words, texts unquoted, numbers beyond 32 bits
  HugeLine,      // one line of several megabytes
  BinaryBytes,   // NULs and control bytes sprinkled over the file
  BlankLines,    // blank and whitespace-only lines inside every table
  Unbalanced,    // end lines that close nothing, sections never closed
};
inline constexpr Damage AllDamages[] = {
    Damage::Truncated, Damage::MissingTable, Damage::GarbageLines, Damage::WrongTypes,
    Damage::HugeLine,  Damage::BinaryBytes,  Damage::BlankLines,   Damage::Unbalanced};
std::string_view DamageName(Damage damage);

// The file text damaged one way; seed picks where and how.
std::string DamageSummary(std::string_view text, Damage damage, uint32_t seed);

}  // namespace Kordex::SampleData
