// Filling a graph the way the data loader does: series of many X positions,
// then every record adds to the point at its position.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graph/render/Graph.h"

namespace {

using Dravex::AddType;
using Dravex::Graph;
using Runtime::Variant;

// Appends positions points to each of three series.
void Append(benchmark::State& state) {
  const auto positions = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    const auto graph = Graph::New();
    for (const char* name : {"Wastage", "Placed", "Picked"}) {
      graph->AddSeries(name, Dravex::SeriesStyleType::LineGraph);
      for (int32_t i = 1; i <= positions; ++i) graph->AddValue(name, i);
    }
    benchmark::DoNotOptimize(graph->MaxWidth());
  }
  state.SetItemsProcessed(state.iterations() * positions * 3);
}
BENCHMARK(Append)->Arg(1000)->Arg(10000)->Arg(30000);

const int16_t positions = 30000;

// A graph whose series "Wastage" has positions points.
std::shared_ptr<Graph> Filled() {
  const auto graph = Graph::New();
  graph->AddSeries("Wastage", Dravex::SeriesStyleType::LineGraph);
  int16_t last = positions;
  graph->AddValue("Wastage", int32_t{0}, Variant::Nothing(), int32_t{0}, last, AddType::AddInsert);
  return graph;
}

// A position picked at random.
int16_t NextPosition(uint32_t& seed) {
  seed = seed * 1103515245u + 12345u;
  return static_cast<int16_t>(1 + (seed >> 8) % positions);
}

// Adds to existing points by name and position, with a base, as the loader
// accumulates a measure.
void Increment(benchmark::State& state) {
  const auto graph = Filled();
  uint32_t seed = 1;
  for (auto _ : state) {
    int16_t where = NextPosition(seed);
    graph->AddValue("Wastage", int32_t{3}, Variant::Nothing(), int32_t{250}, where,
                    AddType::AddIncrement);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Increment);

// The same increments handed over a day's worth at a time, as a load flushes
// its sums.
void Increments(benchmark::State& state) {
  const auto graph = Filled();
  const Variant series("Wastage");
  std::vector<Graph::Increment> day(400);
  uint32_t seed = 1;
  for (auto _ : state) {
    for (Graph::Increment& increment : day)
      increment = {NextPosition(seed), int32_t{3}, int32_t{250}};
    graph->AddIncrements(series, day);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(day.size()));
}
BENCHMARK(Increments);

}  // namespace

BENCHMARK_MAIN();
