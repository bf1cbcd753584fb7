// Loading a generated line (10 machines, 365 days) into a chart, each measure
// by each grouping, beside a plain read of the same summary files and the two
// other parts of a load: listing the folders and reading the summaries.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bench/GeneratedLine.h"
#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/DirListing.h"
#include "platform/gui/RecordingSurface.h"
#include "runtime/DateTime.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/data/PRDModule.h"

namespace fs = std::filesystem;

namespace {

using Line = Bench::GeneratedLine;

const Line& TheLine() {
  static const Line line("tavro-bench-load");
  return line;
}

void Rates(benchmark::State& state) {
  const Line& line = TheLine();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.TotalBytes));
  state.counters["files"] = benchmark::Counter(
      static_cast<double>(state.iterations() * line.Files.size()), benchmark::Counter::kIsRate);
}

void PlainRead(benchmark::State& state) {
  std::string bytes;
  for (auto _ : state) {
    for (const std::string& file : TheLine().Files) {
      Kordex::ReadDataFile(file, bytes, size_t{1} << 26);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  Rates(state);
}

// The parts of a load on their own: listing every machine folder once, and
// reading every file's bytes already in memory.
void ListFolders(benchmark::State& state) {
  std::set<std::string> folders;
  for (const std::string& file : TheLine().Files) {
    folders.insert(fs::path(file).parent_path().string() + "/");
  }
  Platform::DirListing listing;
  for (auto _ : state) {
    for (const std::string& folder : folders) {
      for (std::string name = listing.Start(folder + "?????_????_MachinePRDSummary_*.KVX");
           !name.empty(); name = listing.Next()) {
        benchmark::DoNotOptimize(name.data());
      }
    }
  }
  Rates(state);
}

void ReadSummaries(benchmark::State& state) {
  std::vector<std::string> all;
  for (const std::string& file : TheLine().Files) {
    std::string bytes;
    Kordex::ReadDataFile(file, bytes, size_t{1} << 26);
    all.push_back(std::move(bytes));
  }
  Runtime::Collection none;
  // One record for every file, as a load reads them.
  Kordex::PrdSummary s;
  for (auto _ : state) {
    for (const std::string& b : all) {
      Kordex::ReadMachinePrdSummaryBytes(b, none, none, none, "X", s);
      benchmark::DoNotOptimize(s.Runs.data());
    }
  }
  Rates(state);
}

std::unique_ptr<Dravex::DetachedPictureBox> RecordingBox() {
  auto surface = std::make_shared<Platform::RecordingSurface>(0, 0);
  auto resize = [recording = surface.get()](double width, double height) {
    recording->Resize(width, height);
  };
  return std::make_unique<Dravex::DetachedPictureBox>(std::move(surface), std::move(resize));
}

void Load(benchmark::State& state, Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping) {
  const Line& line = TheLine();
  Kordex::PRDQuery query;
  query.Measure = measure;
  query.Grouping = grouping;
  query.FromDate = Runtime::DateSerial(2025, 12, 9);
  query.ToDate = Runtime::DateSerial(2026, 12, 8);
  const std::string folder = line.Root.string() + "/";
  for (auto _ : state) {
    state.PauseTiming();
    auto graph = Dravex::Graph::New(std::make_shared<Dravex::DetachedGraphSite>(
        Dravex::DetachedGraphSite::DefaultWidth, Dravex::DetachedGraphSite::DefaultHeight,
        &RecordingBox));
    state.ResumeTiming();
    Kordex::LoadPRDSummaryData(query, graph, folder, true);
    benchmark::DoNotOptimize(graph.get());
  }
  Rates(state);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("PlainRead", PlainRead)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ListFolders", ListFolders)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ReadSummaries", ReadSummaries)->Unit(benchmark::kMillisecond);
  static const char* const measures[] = {"Wastage", "Efficiency", "Productivity", "BoardCount",
                                         "ComponentsPerHour"};
  static const char* const groupings[] = {"Date",  "Product", "PartNumber",
                                          "Error", "Head",    "Machine"};
  for (int m = 0; m < 5; ++m) {
    for (int g = 0; g < 6; ++g) {
      const std::string name = std::string("Load/") + measures[m] + "/" + groupings[g];
      benchmark::RegisterBenchmark(name.c_str(), Load, static_cast<Kordex::PRDMeasure>(m),
                                   static_cast<Kordex::PRDGrouping>(g))
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  TheLine();
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
