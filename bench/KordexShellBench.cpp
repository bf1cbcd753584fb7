// Opening a chart from its report shortcut, off screen: a new chart window,
// its constraint set, the load of a generated line (10 machines, 100 days)
// with the "Loading Data" window and the program's load host, and the chart
// drawn; beside it the same with a load window that is no window.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/GeneratedLine.h"
#include "common/TavroRegistry.h"
#include "platform/gui/App.h"
#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/TickSource.h"
#include "runtime/DateTime.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "viewer/data/LoadForm.h"
#include "viewer/data/PRDLoadHost.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/LoadFormWindow.h"
#include "viewer/shell/MainForm.h"

namespace {

using Bench::GeneratedLine;

constexpr int Days = 100;

// The person's OK in the date prompt: the line's last 100 days.
class OkPrompt : public Kordex::DateRangePrompt {
 public:
  bool SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) override {
    From = Runtime::DateSerial(2026, 8, 31);
    To = Runtime::DateSerial(2026, 12, 8);
    return true;
  }
};

// The program's load host with a load window that is no window.
class WindowlessHost : public Kordex::ShellLoadHost {
 public:
  std::unique_ptr<Kordex::LoadForm> NewLoadForm() override {
    return std::make_unique<Kordex::WindowlessLoadForm>();
  }
};

std::shared_ptr<Quillon::clsShortCut> ShortCut(Kordex::MainForm& main, const std::string& caption) {
  const auto group = main.ReportBar.ShortCutGroups()->Item(Runtime::Variant("Standard"));
  for (int16_t i = 1; i <= group->ShortCuts()->Count(); ++i) {
    auto shortCut = group->ShortCuts()->Item(Runtime::Variant(i));
    if (shortCut->Caption() == caption) return shortCut;
  }
  return nullptr;
}

void CloseCharts() {
  for (Platform::Form* form : Platform::Forms::All())
    if (dynamic_cast<Kordex::ChartForm*>(form) != nullptr) form->Unload();
  Platform::DoEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The "Efficiency" shortcut, from the person's OK in the date prompt to the
// chart drawn on the screen.
void OpenChart(benchmark::State& state, Kordex::MainForm* main, bool loadWindow) {
  Kordex::SetLoadHost(loadWindow ? std::make_shared<Kordex::ShellLoadHost>()
                                 : std::make_shared<WindowlessHost>());
  auto shortCut = ShortCut(*main, "Efficiency");
  for (auto _ : state) {
    main->ReportBar.SelectShortCut.Raise(shortCut);
    Platform::DoEvents();
    state.PauseTiming();
    CloseCharts();
    state.ResumeTiming();
  }
  Kordex::SetLoadHost(std::make_shared<Kordex::ShellLoadHost>());
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const GeneratedLine line("tavro-bench-shell", Days);
  // Settings of the benchmark's own, gone with the line's folder.
  const std::filesystem::path settings = line.Root / "settings";
  setenv("TAVRO_CONFIG_DIR", settings.c_str(), 1);

  Platform::EnsureApplication();
  // Timers stand still and nobody is asked anything.
  Platform::SetTickSource(std::make_shared<Platform::ManualTickSource>());
  Platform::SetResponder(std::make_shared<Platform::ScriptedResponder>());
  Platform::App::SetEXEName("TavroKordex");
  Common::SaveRegSetting("TavroKordex", "Preferences", "Data Directory",
                         Runtime::Variant(line.Root.string() + "/"));
  auto main = std::make_shared<Kordex::MainForm>();
  main->Load();
  Kordex::SetDateRangePrompt(std::make_shared<OkPrompt>());

  benchmark::RegisterBenchmark("OpenChart/LoadWindow", OpenChart, main.get(), true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("OpenChart/NoWindow", OpenChart, main.get(), false)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  main->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}
