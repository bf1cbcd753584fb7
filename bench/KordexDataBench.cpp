// Reading every summary file of one generated line (10 machines, 365 days)
// with the machine summary reader, beside a plain read of the same files and
// the reader over bytes already in memory.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/GeneratedLine.h"
#include "runtime/Collection.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/PRDModule.h"

namespace {

// The line, with every file's bytes in memory besides.
struct Line : Bench::GeneratedLine {
  std::vector<std::string> Bytes;

  Line() : GeneratedLine("tavro-bench-data") {
    for (const std::string& file : Files) {
      Kordex::ReadDataFile(file, Bytes.emplace_back(), MaxBytes);
    }
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
