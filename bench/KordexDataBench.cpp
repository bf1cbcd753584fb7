// Reading every summary file of one generated line (10 machines, 365 days)
// with the machine summary reader, beside a plain read of the same files and
// the reader over bytes already in memory.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/Collection.h"
#include "tools/sampledata/SampleData.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/PRDModule.h"

namespace fs = std::filesystem;

namespace {

struct Line {
  fs::path Root;
  std::vector<std::string> Files;
  std::vector<std::string> Bytes;
  uint64_t TotalBytes = 0;

  Line() {
    Root = fs::temp_directory_path() / ("tavro-bench-data-" + std::to_string(::getpid()));
    Kordex::SampleData::Options options;
    options.Lines = 1;
    options.Machines = 10;
    options.Days = 365;
    options.EndDate = std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(12),
                                                  std::chrono::day(8));
    std::vector<Kordex::SampleData::WrittenFile> written;
    Kordex::SampleData::WriteDataDirectory(Root, options, &written);
    for (const auto& file : written) {
      Files.push_back(file.Path.string());
      std::string bytes;
      Kordex::ReadDataFile(Files.back(), bytes, size_t{1} << 26);
      TotalBytes += bytes.size();
      Bytes.push_back(std::move(bytes));
    }
  }
  ~Line() {
    std::error_code ec;
    fs::remove_all(Root, ec);
  }
};

const Line& TheLine() {
  static const Line line;
  return line;
}

// Runs read over every input (a file name or a file's bytes) of the line.
template <class Read>
void EachInput(benchmark::State& state, const std::vector<std::string>& inputs, Read read) {
  const Line& line = TheLine();
  for (auto _ : state) {
    for (const std::string& input : inputs) read(input);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.TotalBytes));
  state.counters["files"] = benchmark::Counter(
      static_cast<double>(state.iterations() * inputs.size()), benchmark::Counter::kIsRate);
}

const Runtime::Collection None;

void PlainRead(benchmark::State& state) {
  std::string bytes;
  EachInput(state, TheLine().Files, [&](const std::string& file) {
    Kordex::ReadDataFile(file, bytes, size_t{1} << 26);
    benchmark::DoNotOptimize(bytes.data());
  });
}

void ReadMachinePrdSummary(benchmark::State& state) {
  EachInput(state, TheLine().Files, [](const std::string& file) {
    const auto summary = Kordex::ReadMachinePrdSummary(file, None, None, None, "BOARD");
    benchmark::DoNotOptimize(summary.Runs.front().HeadTotal);
  });
}

void ReadMachinePrdSummaryInMemory(benchmark::State& state) {
  EachInput(state, TheLine().Bytes, [](const std::string& bytes) {
    const auto summary = Kordex::ReadMachinePrdSummaryBytes(bytes, None, None, None, "BOARD");
    benchmark::DoNotOptimize(summary.Runs.front().HeadTotal);
  });
}

}  // namespace

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadMachinePrdSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadMachinePrdSummaryInMemory)->Unit(benchmark::kMillisecond);
