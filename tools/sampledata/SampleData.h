#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/sampledata/SummaryFile.h"

namespace Kordex::SampleData {

// Writes a realistic data directory: lines "Line1", "Line2"... each with
// "LineInfo.Dat", "CommSet.Cnf" and a history of days ending on EndDate. Each
// production day runs one to three products; every machine writes one summary
// file per run into "History/yyyy_mm_dd/Machine Prd/M<n>/" and one count file
// per product into "History/yyyy_mm_dd/MachinePRD/M<n>/". Sundays are idle (no
// day folder) and now and then a machine is down for a day. The same options
// and seed always give the same bytes.
struct Options {
  uint32_t Seed = 1;
  int Lines = 2;
  int Machines = 8;  // of the first line; each further line has one fewer, at least 2
  int Days = 120;
  std::chrono::year_month_day EndDate{};  // not ok(): today
  int Products = 6;                       // per line
  double DamagedShare = 0.0;              // share of summary files written damaged
};

// One summary file written, with what it was made from.
struct WrittenFile {
  std::filesystem::path Path;
  int Line = 0;
  int Machine = 0;
  std::string Product;
  bool Damaged = false;
  SummaryContent Content;
};

struct Result {
  size_t SummaryFiles = 0;
  size_t DamagedFiles = 0;
  size_t CountFiles = 0;
  uint64_t SummaryBytes = 0;
};

// Writes the directory below root (created when missing). With files given,
// every summary file written is listed there with its content.
Result WriteDataDirectory(const std::filesystem::path& root, const Options& options,
                          std::vector<WrittenFile>* files = nullptr);

// The machine's local date today.
std::chrono::year_month_day Today();

// One plausible summary file's content, on its own: errorKinds error kinds,
// heads x spindles head lines (heads 0: one head, keys by spindle), feeders
// feeder lines and tables tables, starting on the given day.
struct SummaryShape {
  int ErrorKinds = 6;
  int Heads = 2;
  int Spindles = 4;
  int Feeders = 24;
  int Tables = 1;
  std::chrono::year_month_day Day{std::chrono::year{2026}, std::chrono::month{3},
                                  std::chrono::day{9}};
};
SummaryContent RandomSummary(uint32_t seed, const SummaryShape& shape = {});

// Seed inputs for the fuzz targets: "kvx/" holds small summary files, whole
// and damaged every way, "datetime/" holds date-time texts.
void WriteFuzzCorpus(const std::filesystem::path& dir, uint32_t seed);

}  // namespace Kordex::SampleData
