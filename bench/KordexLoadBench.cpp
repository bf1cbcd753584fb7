// Loading a generated line (10 machines, 365 days) into a chart, each measure
// by each grouping, beside a plain read of the same summary files and the
// other parts of a load on their own: listing the folders, reading the
// summaries already in memory, and adding the summaries read into a chart.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/GeneratedLine.h"
#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/DirListing.h"
#include "platform/Files.h"
#include "platform/gui/RecordingSurface.h"
#include "runtime/DateTime.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/PRDAggregation.h"
#include "viewer/data/PRDChart.h"
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

// The parts of a load on their own: listing every machine folder once, as a
// load's first pass does (each day's machine folders opened once, each
// machine's folder listed from there), and reading every file's bytes already
// in memory.
void ListFolders(benchmark::State& state) {
  const std::string history = TheLine().Root.string() + "/Line1/History/";
  std::vector<std::string> days;
  for (const auto& entry : fs::directory_iterator(history)) {
    days.push_back(entry.path().filename().string());
  }
  std::sort(days.begin(), days.end());
  Platform::DirListing listing;
  for (auto _ : state) {
    const Platform::FolderHandle folder(history);
    for (const std::string& day : days) {
      const Platform::FolderHandle machines(folder, day + "/Machine Prd");
      for (int m = 1; m <= 10; ++m) {
        listing.Start(machines, "M" + std::to_string(m) + "/?????_????_MachinePRDSummary_*.KVX");
        benchmark::DoNotOptimize(listing.Lengths().data());
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

// The summaries of the line read once, by day, with their machines: what the
// aggregation of a load is given.
struct ReadDay {
  double Day = 0.0;
  std::vector<std::pair<int16_t, Kordex::PrdSummary>> Files;
};

const std::vector<ReadDay>& ReadDays() {
  static const std::vector<ReadDay> days = [] {
    std::vector<ReadDay> read;
    const Runtime::Collection none;
    std::string bytes;
    for (const std::string& file : TheLine().Files) {
      // ".../History/yyyy_mm_dd/Machine Prd/M<n>/<name>"
      const fs::path path(file);
      const std::string machine = path.parent_path().filename().string();
      const std::string day = path.parent_path().parent_path().parent_path().filename().string();
      const double serial = Runtime::DateSerial(static_cast<int16_t>(std::stoi(day.substr(0, 4))),
                                                static_cast<int16_t>(std::stoi(day.substr(5, 2))),
                                                static_cast<int16_t>(std::stoi(day.substr(8, 2))))
                                .Serial;
      if (read.empty() || read.back().Day != serial) read.push_back({serial, {}});
      Kordex::ReadDataFile(file, bytes, size_t{1} << 26);
      read.back().Files.emplace_back(
          static_cast<int16_t>(std::stoi(machine.substr(1))),
          Kordex::ReadMachinePrdSummaryBytes(bytes, none, none, none,
                                             Kordex::ProductOfFileName(path.filename().string())));
    }
    std::stable_sort(read.begin(), read.end(),
                     [](const ReadDay& a, const ReadDay& b) { return a.Day < b.Day; });
    return read;
  }();
  return days;
}

std::unique_ptr<Dravex::DetachedPictureBox> RecordingBox() {
  auto surface = std::make_shared<Platform::RecordingSurface>(0, 0);
  auto resize = [recording = surface.get()](double width, double height) {
    recording->Resize(width, height);
  };
  return std::make_unique<Dravex::DetachedPictureBox>(std::move(surface), std::move(resize));
}

std::shared_ptr<Dravex::Graph> NewGraph() {
  return Dravex::Graph::New(std::make_shared<Dravex::DetachedGraphSite>(
      Dravex::DetachedGraphSite::DefaultWidth, Dravex::DetachedGraphSite::DefaultHeight,
      &RecordingBox));
}

Kordex::PRDQuery YearQuery(Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping) {
  Kordex::PRDQuery query;
  query.Measure = measure;
  query.Grouping = grouping;
  query.FromDate = Runtime::DateSerial(2025, 12, 9);
  query.ToDate = Runtime::DateSerial(2026, 12, 8);
  return query;
}

// A load with its window, or without (as the update timer refreshes a chart).
void Load(benchmark::State& state, Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping,
          bool showProgress) {
  const Kordex::PRDQuery query = YearQuery(measure, grouping);
  const std::string folder = TheLine().Root.string() + "/";
  for (auto _ : state) {
    state.PauseTiming();
    auto graph = NewGraph();
    state.ResumeTiming();
    Kordex::LoadPRDSummaryData(query, graph, folder, showProgress);
    benchmark::DoNotOptimize(graph.get());
  }
  Rates(state);
}

// The last part of a load on its own: the summaries already read, added into
// a chart day by day (days without files are passed over).
void Aggregate(benchmark::State& state, Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping) {
  const Kordex::PRDQuery query = YearQuery(measure, grouping);
  const Kordex::MachineTable machines = Kordex::ReadMachineTable(1, TheLine().Root.string() + "/");
  const std::vector<ReadDay>& days = ReadDays();
  for (auto _ : state) {
    state.PauseTiming();
    auto graph = NewGraph();
    state.ResumeTiming();
    Kordex::PRDChart chart(graph);
    Kordex::PRDAggregation aggregation(query, machines, chart);
    aggregation.MakeSeries();
    for (const ReadDay& day : days) {
      aggregation.StartDay(Runtime::DateTime{day.Day});
      for (const auto& [machine, summary] : day.Files) aggregation.AddSummary(summary, machine);
      aggregation.EndDay();
    }
    aggregation.EndRange();
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
      const std::string name = std::string(measures[m]) + "/" + groupings[g];
      benchmark::RegisterBenchmark(("Load/" + name).c_str(), Load,
                                   static_cast<Kordex::PRDMeasure>(m),
                                   static_cast<Kordex::PRDGrouping>(g), true)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RegisterBenchmark("Refresh/Wastage/Date", Load, Kordex::MeasureWastage,
                               Kordex::GroupByDate, false)
      ->Unit(benchmark::kMillisecond);
  for (int m = 0; m < 5; ++m) {
    for (int g = 0; g < 6; ++g) {
      const std::string name = std::string(measures[m]) + "/" + groupings[g];
      benchmark::RegisterBenchmark(("Aggregate/" + name).c_str(), Aggregate,
                                   static_cast<Kordex::PRDMeasure>(m),
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
