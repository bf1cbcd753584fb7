#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Kordex {

// ---------------------------------------------------------------------------
// Line configuration and machine table
// ---------------------------------------------------------------------------

// One machine of a line, from the line's "CommSet.Cnf".
struct MachineConfig {
  std::string ModuleName;     // the machine's field on the "DOWNLOAD MODULE" line
  std::string NickName;       // its field on the "NICK NAME" line, "" when none
  int16_t MachineNumber = 0;  // 1 for the first machine of the line
  float Speed = 0.0F;         // 1 / its "PLACEMENT SPEED" figure, 0 when that is not above 0
};

// The machines of one line. The program keeps the table of the line read last;
// a load takes its own copy (CurrentMachineTable) so that another line read
// while it runs does not change the machines it is working with.
class MachineTable {
 public:
  std::vector<MachineConfig> Machines;  // machine i is Machines[i - 1]
  // Why a table read from a line's configuration holds no machine ("the file
  // is missing", "it is a pipe (FIFO), not a file", ...); "" otherwise.
  std::string Problem;

  int16_t MachineCount() const noexcept { return static_cast<int16_t>(Machines.size()); }
  // The short name, a blank and the machine number when the machine has a short
  // name; otherwise "Machine " and the index (also for indexes outside the table).
  std::string MachineName(int16_t MachineIndex) const;
  // Index 0: the sum of every machine's speed; 1 to MachineCount: that
  // machine's; anything else 0.
  float PlacementSpeed(int16_t MachineIndex) const noexcept;
};

// Reads the machines of line LineNumber from DataDirectory (ending in "/"):
// "Line" and the number, then "/CommSet.Cnf". The header lines "DOWNLOAD
// MODULE", "PLACEMENT SPEED" and "NICK NAME" are used in that order wherever
// they stand; a missing file or "DOWNLOAD MODULE" line gives an empty table.
MachineTable ReadMachineTable(int16_t LineNumber, const std::string& DataDirectory);

// The program's machine table: ReadLineConfig replaces it with the line read;
// the other routines answer from it.
void ReadLineConfig(int16_t LineNumber, const std::string& DataDirectory);
std::shared_ptr<const MachineTable> CurrentMachineTable();
int16_t MachineCount();
std::string MachineName(int16_t MachineIndex);
float PlacementSpeed(int16_t MachineIndex);

// The line-status window of one line (the shell's). The status update is
// called with one; it neither reads nor changes it.
class LineStatusForm;

// The line-status refresh the shell runs on each line-status window: nothing
// to do for this program's windows, which show no figures.
void UpdateLineStatus(LineStatusForm& Window, const std::string& DataDirectory);

// ---------------------------------------------------------------------------
// Machine production-summary reader
// ---------------------------------------------------------------------------

// One head (key "2-5": head 2, spindle 5; the spindle alone for head 0) or one
// feeder part number, with its placements and its errors per error kind.
struct PrdItem {
  std::string Key;
  int32_t Total = 0;
  std::vector<int32_t> Errors;  // Errors[e - 1]: error kind e of ErrorNames, 0 when not given
};

// One table of a run: its seconds running, waiting and stopped.
struct PrdRunTime {
  int32_t RunningSeconds = 0;
  int32_t WaitingSeconds = 0;
  int32_t StoppedSeconds = 0;
};

// One production run of one machine.
struct PrdRun {
  Runtime::DateTime StartTime;   // the earliest START of the run's tables
  Runtime::DateTime FinishTime;  // the latest FINISH of the run's tables
  std::string Name;              // the run's name given by the caller (the product)
  std::string Detail;            // a second name that this reader leaves empty
  int32_t Side = 0;              // 1 top, 2 bottom; this reader leaves it 0
  int32_t BoardCount = 0;        // TOTAL less BAD

  std::vector<PrdRunTime> Tables;

  std::vector<PrdItem> Feeders;  // the feeder lines the part-number filter kept
  int32_t FeederTotal = 0;
  std::vector<int32_t> FeederErrorTotals;  // [e - 1]: error kind e over the kept feeders

  std::vector<PrdItem> Heads;  // the head lines the head filter kept
  int32_t HeadTotal = 0;
  std::vector<int32_t> HeadErrorTotals;  // [e - 1]: error kind e over the kept heads

  int16_t TableCount() const noexcept { return static_cast<int16_t>(Tables.size()); }
  int16_t FeederCount() const noexcept { return static_cast<int16_t>(Feeders.size()); }
  int16_t HeadCount() const noexcept { return static_cast<int16_t>(Heads.size()); }
};

// What one summary file holds: its error kinds in file order and its one run.
struct PrdSummary {
  std::vector<std::string> ErrorNames;
  std::vector<PrdRun> Runs;
  // What is wrong with the file's figures, "" when nothing is: a figure the
  // reader had to clamp, or an unquoted number beyond a double in a field read
  // as text ("a number too large"), or a figure it could not read as a number
  // ("a text where a number belongs"). The record holds what was read all the
  // same; a caller that must not count a damaged file skips it.
  std::string Fault;

  int16_t ErrorCount() const noexcept { return static_cast<int16_t>(ErrorNames.size()); }
  int16_t RunCount() const noexcept { return static_cast<int16_t>(Runs.size()); }
};

// Reads one production-summary file into a summary with one run named RunName.
// A filter lets an item through when it is empty or holds the item's key as a
// key (without regard to case); every error kind is read, ErrorFilter is not
// consulted. A file that cannot be opened gives the empty run; a damaged file
// gives what could be read: a missing table leaves the later ones readable,
// blank lines are no items, numbers beyond their integer range are clamped
// (and named in Fault, as are a word where a number belongs and a number beyond
// a double where a text belongs).
PrdSummary ReadMachinePrdSummary(const std::string& FileName, const Runtime::Collection& HeadFilter,
                                 const Runtime::Collection& PartNumberFilter,
                                 const Runtime::Collection& ErrorFilter,
                                 const std::string& RunName);

// The same over a file's bytes already in memory: into Summary, whose room a
// caller reading many files keeps from one to the next, or as a new record.
void ReadMachinePrdSummaryBytes(std::string_view Bytes, const Runtime::Collection& HeadFilter,
                                const Runtime::Collection& PartNumberFilter,
                                const Runtime::Collection& ErrorFilter, const std::string& RunName,
                                PrdSummary& Summary);
PrdSummary ReadMachinePrdSummaryBytes(std::string_view Bytes, const Runtime::Collection& HeadFilter,
                                      const Runtime::Collection& PartNumberFilter,
                                      const Runtime::Collection& ErrorFilter,
                                      const std::string& RunName);

// "2026-12-08 06:30:00" as a date and time: date and time parts apart at blanks,
// year-month-day and hours:minutes:seconds, each part's leading number; a
// missing part is 0 and parts beyond their range carry into the next unit. Text
// that makes no valid date gives the zero date.
Runtime::DateTime ParseDateTime(std::string_view Text);

}  // namespace Kordex
