// Drawing whole charts on the graph's image canvas (1600 x 1000), beside the
// same number of bare line calls on an image surface of that size: the chart
// should cost no more than a few times its lines.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/gui/Application.h"
#include "platform/gui/ImageSurface.h"
#include "platform/gui/RecordingSurface.h"

namespace {

constexpr int Width = 1600;
constexpr int Height = 1000;

float Value(int series, int i) {
  return 50 + 10 * static_cast<float>(series) + 20 * std::sin(i * 0.013f + series) +
         static_cast<float>((i * 7919 + series * 31) % 13);
}

// A line chart of series x points, every point in the X window.
std::shared_ptr<Dravex::Graph> Chart(int series, int points) {
  const auto site = std::make_shared<Dravex::DetachedGraphSite>(Width, Height);
  auto graph = Dravex::Graph::New(site);
  graph->LocalDraw(false);
  for (int s = 1; s <= series; ++s) {
    const std::string name = "Series " + std::to_string(s);
    graph->AddSeries(name, Dravex::SeriesStyleType::LineGraph);
    for (int i = 0; i < points; ++i) graph->AddValue(name, Value(s, i));
  }
  graph->XAxis()->Width(static_cast<int16_t>(points));
  graph->LabelOrientation(Dravex::LabelOrientaionType::LabelDiagonal);
  graph->YAxis(1)->AutomaticMin(true);
  graph->LocalDraw(true);
  site->Resize(Width, Height);
  return graph;
}

// Draws the chart over and over: on its canvas, or (range 1) on a recording
// surface, which measures the graph's own work and counts the surface calls
// a drawing makes.
void DrawLoop(benchmark::State& state, Dravex::Graph& graph, int points) {
  std::shared_ptr<Platform::RecordingSurface> recording;
  if (state.range(0) == 1) {
    recording = std::make_shared<Platform::RecordingSurface>(Width, Height);
    graph.Frame(recording);
  }
  for (auto _ : state) {
    if (recording) recording->ClearRecords();
    graph.Draw(false);
    benchmark::DoNotOptimize(graph.Frame()->CurrentX());
  }
  state.SetItemsProcessed(state.iterations() * points);
  if (recording) state.counters["calls"] = static_cast<double>(recording->Records().size());
}

void OneSeriesOf10000(benchmark::State& state) {
  const auto graph = Chart(1, 10000);
  DrawLoop(state, *graph, 10000);
}
BENCHMARK(OneSeriesOf10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SixSeriesOf1000WithStatistics(benchmark::State& state) {
  const auto graph = Chart(6, 1000);
  for (int s = 1; s <= 6; ++s) {
    const auto settings =
        graph->Series()->Item(Runtime::Variant(static_cast<int16_t>(s)))->StatsAlarms();
    settings->Mean()->StdDevOn(true);
    settings->Mean()->Name("Mean");
    for (int16_t k : {-2, -1, 1, 2}) {
      settings->StdDev(k)->StdDevOn(true);
      settings->StdDev(k)->Name("Std Dev");
    }
    settings->Limits(Dravex::enuLimits::LowerLimit)->LimitOn(true);
    settings->Limits(Dravex::enuLimits::LowerLimit)->Value(40);
    settings->Limits(Dravex::enuLimits::UpperLimit)->LimitOn(true);
    settings->Limits(Dravex::enuLimits::UpperLimit)->Value(120);
    settings->Alarm(Dravex::AlarmType::AlarmSpecLimit);
    settings->Trend()->Trend(Dravex::TrendType::TrendLinear);
    settings->Trend()->Name("Trend");
  }
  DrawLoop(state, *graph, 6000);
}
BENCHMARK(SixSeriesOf1000WithStatistics)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The bare lines of a chart of that many points, drawn from point to point.
void BareLines(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  Platform::ImageSurface surface(Width, Height);
  surface.SetDrawWidth(2);
  for (auto _ : state) {
    surface.Cls();
    double previous = 500;
    for (int i = 1; i < lines; ++i) {
      const double y = 500 + 8 * Value(1, i);
      surface.Line(50 + (i - 1) * 1500.0 / lines, previous, 50 + i * 1500.0 / lines, y);
      previous = y;
    }
    benchmark::DoNotOptimize(surface.Image());
  }
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BareLines)->Arg(10000)->Arg(6000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  Platform::EnsureApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
