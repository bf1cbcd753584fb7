#pragma once

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/sampledata/SampleData.h"
#include "viewer/data/DataFile.h"

namespace Bench {

// One generated line of 10 machines and 365 days (or as many as given) ending
// on 8 December 2026, in a temporary folder of its own that goes with it. Its
// summary files are read once, so that every benchmark finds them in the cache.
struct GeneratedLine {
  std::filesystem::path Root;
  std::vector<std::string> Files;
  uint64_t TotalBytes = 0;

  explicit GeneratedLine(const std::string& name, int days = 365) {
    Root = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    Kordex::SampleData::Options options;
    options.Lines = 1;
    options.Machines = 10;
    options.Days = days;
    options.EndDate = std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(12),
                                                  std::chrono::day(8));
    std::vector<Kordex::SampleData::WrittenFile> written;
    TotalBytes = Kordex::SampleData::WriteDataDirectory(Root, options, &written).SummaryBytes;
    std::string bytes;
    for (const auto& file : written) {
      Files.push_back(file.Path.string());
      Kordex::ReadDataFile(Files.back(), bytes, MaxBytes);
    }
  }
  ~GeneratedLine() {
    std::error_code ec;
    std::filesystem::remove_all(Root, ec);
  }
  GeneratedLine(const GeneratedLine&) = delete;
  GeneratedLine& operator=(const GeneratedLine&) = delete;

  static constexpr size_t MaxBytes = size_t{1} << 26;
};

}  // namespace Bench
