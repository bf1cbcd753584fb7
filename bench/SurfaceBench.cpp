// Drawing a chart of many points on an image surface and on the recording
// surface: the graph draws every point through these calls.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>

#include "platform/gui/ImageSurface.h"
#include "platform/gui/RecordingSurface.h"

namespace {

void DrawChart(Platform::Surface& s, int points) {
  s.SetDrawWidth(2);
  double previousY = 0;
  for (int i = 0; i < points; ++i) {
    const double x = 20 + i * 960.0 / points;
    const double y = 350 + 300 * std::sin(i * 0.01);
    if (i > 0) s.Line(x - 960.0 / points, previousY, x, y, 0x0000FF);
    s.Line(x - 2, y - 2, x + 2, y + 2, Platform::LineShape::FilledBox);
    previousY = y;
  }
  s.SetDrawWidth(1);
  for (int i = 0; i < points; i += 100) {
    s.SetCurrentX(20 + i * 960.0 / points);
    s.SetCurrentY(680);
    s.PrintLine(std::to_string(i));
  }
}

void ImageSurfaceChart(benchmark::State& state) {
  Platform::ImageSurface s(1000, 700);
  for (auto _ : state) {
    s.Cls();
    DrawChart(s, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(s.Image());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ImageSurfaceChart)->Arg(10000)->Unit(benchmark::kMillisecond);

void RecordingSurfaceChart(benchmark::State& state) {
  for (auto _ : state) {
    Platform::RecordingSurface s(1000, 700);
    DrawChart(s, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(s.Records().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(RecordingSurfaceChart)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
