// A load into a chart window shows its progress in the "Loading Data" window,
// which is gone after every load; a chart closed during its build closes once
// the build is over.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/gui/Forms.h"
#include "platform/gui/ToolList.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/LoadFormWindow.h"

using namespace Kordex;

namespace {

// The program's load host, watching its window at each turn of the event loop.
class WatchingHost : public ShellLoadHost {
 public:
  std::unique_ptr<LoadForm> NewLoadForm() override {
    auto form = ShellLoadHost::NewLoadForm();
    window = static_cast<LoadFormWindow*>(form.get());
    return form;
  }
  void DoEvents() override {
    if (window != nullptr && window->IsLoaded()) {
      Labels.push_back(window->LoadLabel.Caption());
      Captions.push_back(window->Caption());
    }
    ShellLoadHost::DoEvents();
    if (OnDoEvents) OnDoEvents();
  }
  LoadFormWindow* window = nullptr;
  std::vector<std::string> Labels;
  std::vector<std::string> Captions;
  std::function<void()> OnDoEvents;
};

}  // namespace

class ChildWindowLoad : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    StartMainWindow(data.Folder());
    SetLoadHost(host);
    chart = mainForm->CreateNewChartForm();
    query.Measure = MeasureEfficiency;
    query.FromDate = Runtime::DateSerial(2026, 3, 2);
    query.ToDate = Runtime::DateSerial(2026, 3, 9);
  }
  void TearDown() override {
    SetLoadHost(nullptr);
    ShellTest::TearDown();
  }
  void Load() { LoadPRDSummaryData(query, chart->PRDGraph.Object(), data.Folder(), true); }
  // The bytes of line 1's summary files over the query's days.
  uintmax_t SummaryBytes() const {
    uintmax_t total = 0;
    for (int day = 2; day <= 9; ++day) {
      const auto folder =
          data.Path() / "Line1" / "History" / ("2026_03_0" + std::to_string(day)) / "Machine Prd";
      if (!std::filesystem::exists(folder)) continue;
      for (const auto& file : std::filesystem::recursive_directory_iterator(folder))
        if (file.path().extension() == ".KVX") total += file.file_size();
    }
    return total;
  }

  TestSupport::TempDir data = ShellTestSupport::WriteSampleData();
  std::shared_ptr<WatchingHost> host = std::make_shared<WatchingHost>();
  std::shared_ptr<ChartForm> chart;
  PRDQuery query;
};

TEST_F(ChildWindowLoad, ShowsProgressAndIsGoneAfterTheLoad) {
  Load();
  ASSERT_FALSE(host->Labels.empty());
  EXPECT_EQ(host->Labels[0], "0 of " + std::to_string(SummaryBytes() / 1024) + " Kbytes loaded.");
  EXPECT_EQ(host->Captions[0], "Loading Data");
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());
  EXPECT_GT(chart->PRDGraph.Object()->XAxis()->Labels()->Count(), 0);
}

TEST_F(ChildWindowLoad, GoneAfterAClosedChartOrAFailure) {
  host->OnDoEvents = [this] { chart->Unload(); };
  Load();
  EXPECT_FALSE(chart->IsLoaded());
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());

  chart = mainForm->CreateNewChartForm();
  host->OnDoEvents = [] { Runtime::Raise(Runtime::ErrorNumber::Overflow); };
  EXPECT_THROW(Load(), Runtime::Error);
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());
}

TEST_F(ChildWindowLoad, ClosingDuringABuildWaitsForIt) {
  mainForm->objConstraintsCol->Add(std::make_shared<Morvelt::TavroSPCConstraints>(), chart->Tag());
  mainForm->AddToReportList(*chart);
  {
    KordexModule::ReportWork build;
    host->OnDoEvents = [this] {
      int16_t esc = 27;
      if (chart->IsLoaded()) chart->Form_KeyPress(esc);
    };
    Load();
    // The build filled a window that is still there.
    EXPECT_TRUE(chart->IsLoaded());
    EXPECT_EQ(KordexModule::ChartCount, 1);
  }
  EXPECT_FALSE(chart->IsLoaded());
  EXPECT_EQ(KordexModule::ChartCount, 0);
  EXPECT_EQ(mainForm->ReportList()->Find("CHART1"), 0);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 0);
}
