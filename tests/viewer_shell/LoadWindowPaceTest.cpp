// The "Loading Data" window is given its figures after every file but
// repainted at most once a frame and with the figure a load ends at; the
// event loop keeps its turns, so Esc during a load still closes the chart.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Forms.h"
#include "runtime/DateTime.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/LoadFormWindow.h"

using namespace Kordex;

namespace {

// What reached the screen: the label's text and whether the bar was full, at
// every paint of the window's controls.
class PaintLog : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    if (auto* label = qobject_cast<QLabel*>(watched)) {
      Labels.push_back(label->text().toStdString());
    } else if (auto* bar = qobject_cast<QProgressBar*>(watched)) {
      BarFull = bar->value() == bar->maximum();
    }
    return false;
  }
  std::vector<std::string> Labels;
  bool BarFull = false;
};

// The program's load window, counting its repaints and keeping the label it
// was given last.
class WatchedLoadForm : public LoadFormWindow {
 public:
  WatchedLoadForm(PaintLog& log, int& refreshes, std::string& label)
      : refreshes_(refreshes), label_(label) {
    LoadLabel.Internal().widget->installEventFilter(&log);
    LoadBar.Internal().widget->installEventFilter(&log);
  }
  void SetLoadLabel(const std::string& Caption) override {
    label_ = Caption;
    LoadFormWindow::SetLoadLabel(Caption);
  }
  void Refresh() override {
    ++refreshes_;
    LoadFormWindow::Refresh();
  }

 private:
  int& refreshes_;
  std::string& label_;
};

// The program's load host with a clock that moves Step at every reading.
class PacedHost : public ShellLoadHost {
 public:
  std::unique_ptr<LoadForm> NewLoadForm() override {
    return std::make_unique<WatchedLoadForm>(Painted, Refreshes, LabelGiven);
  }
  void DoEvents() override {
    if (OnDoEvents) OnDoEvents();
    ShellLoadHost::DoEvents();
  }
  std::chrono::steady_clock::time_point Now() override { return now_ += Step; }

  std::chrono::steady_clock::duration Step{};
  PaintLog Painted;
  int Refreshes = 0;
  std::string LabelGiven;
  std::function<void()> OnDoEvents;

 private:
  std::chrono::steady_clock::time_point now_;
};

}  // namespace

class LoadWindowPace : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    StartMainWindow(data.Folder());
    SetLoadHost(host);
    query.Measure = MeasureEfficiency;
    query.FromDate = Runtime::DateSerial(2026, 3, 2);
    query.ToDate = Runtime::DateSerial(2026, 3, 9);
  }
  void TearDown() override {
    SetLoadHost(nullptr);
    ShellTest::TearDown();
  }
  void Load(ChartForm& chart) {
    LoadPRDSummaryData(query, chart.PRDGraph.Object(), data.Folder(), true);
  }
  // The summary files of line 1 over the query's days and their bytes.
  void CountFiles() {
    for (int day = 2; day <= 9; ++day) {
      const auto folder =
          data.Path() / "Line1" / "History" / ("2026_03_0" + std::to_string(day)) / "Machine Prd";
      if (!std::filesystem::exists(folder)) continue;
      for (const auto& file : std::filesystem::recursive_directory_iterator(folder)) {
        if (file.path().extension() != ".KVX") continue;
        ++files;
        bytes += file.file_size();
      }
    }
  }
  std::string Label(uintmax_t loaded) const {
    return std::to_string(loaded / 1024) + " of " + std::to_string(bytes / 1024) +
           " Kbytes loaded.";
  }

  TestSupport::TempDir data = ShellTestSupport::WriteSampleData();
  std::shared_ptr<PacedHost> host = std::make_shared<PacedHost>();
  PRDQuery query;
  int files = 0;
  uintmax_t bytes = 0;
};

TEST_F(LoadWindowPace, RepaintedOnceAFrameAndWithTheLastFigure) {
  CountFiles();
  ASSERT_GT(files, 2);

  // No frame passes during the load: the first figure and the last only.
  Load(*mainForm->CreateNewChartForm());
  EXPECT_EQ(host->Refreshes, 2);
  ASSERT_FALSE(host->Painted.Labels.empty());
  EXPECT_EQ(host->Painted.Labels.front(), Label(0));
  EXPECT_EQ(host->Painted.Labels.back(), Label(bytes));
  for (const std::string& label : host->Painted.Labels)
    EXPECT_TRUE(label == Label(0) || label == Label(bytes)) << label;
  EXPECT_TRUE(host->Painted.BarFull);
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());

  // A frame passes between every two files: every file's figure is shown.
  host->Refreshes = 0;
  host->Painted.Labels.clear();
  host->Painted.BarFull = false;
  host->Step = std::chrono::milliseconds(34);
  Load(*mainForm->CreateNewChartForm());
  EXPECT_EQ(host->Refreshes, files + 1);
  ASSERT_FALSE(host->Painted.Labels.empty());
  EXPECT_EQ(host->Painted.Labels.back(), Label(bytes));
  EXPECT_TRUE(host->Painted.BarFull);
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());
}

TEST_F(LoadWindowPace, ShowsTheFigureALoadEndedAtWhenItsChartCloses) {
  CountFiles();
  const auto chart = mainForm->CreateNewChartForm();
  int turns = 0;
  host->OnDoEvents = [&] {
    if (++turns == 4) chart->Unload();
  };
  Load(*chart);
  EXPECT_FALSE(chart->IsLoaded());
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());
  ASSERT_FALSE(host->Painted.Labels.empty());
  EXPECT_EQ(host->Painted.Labels.back(), host->LabelGiven);
  EXPECT_NE(host->LabelGiven, Label(0));
  EXPECT_NE(host->LabelGiven, Label(bytes));
}

TEST_F(LoadWindowPace, LoadLabelFitsSevenFigureTotals) {
  bytes = uintmax_t{9'999'999} * 1024;
  const auto window = std::make_shared<LoadFormWindow>();
  window->SetLoadLabel(Label(bytes));
  window->Show();
  const QWidget* label = window->LoadLabel.Internal().widget;
  const int needed =
      QFontMetrics(label->font()).horizontalAdvance(QString::fromStdString(Label(bytes)));
  EXPECT_LE(needed, label->contentsRect().width());
  EXPECT_LE(label->geometry().right(), label->parentWidget()->contentsRect().right());
}

TEST_F(LoadWindowPace, EscDuringALoadClosesTheChartAfterIt) {
  datePrompt->Choice = {Runtime::DateSerial(2026, 3, 2), Runtime::DateSerial(2026, 3, 9)};
  bool posted = false;
  host->OnDoEvents = [&] {
    if (posted) return;
    for (Platform::Form* form : Platform::Forms::All()) {
      auto* chart = dynamic_cast<ChartForm*>(form);
      if (chart == nullptr) continue;
      // The person presses Esc on the chart while its data loads.
      chart->PRDGraph.Canvas.SetFocus();
      QCoreApplication::postEvent(
          chart->PRDGraph.Canvas.Internal().widget,
          new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27))));
      posted = true;
    }
  };
  const auto group = mainForm->ReportBar.ShortCutGroups()->Item(Runtime::Variant("Standard"));
  std::shared_ptr<Quillon::clsShortCut> efficiency;
  for (int16_t i = 1; i <= group->ShortCuts()->Count(); ++i)
    if (group->ShortCuts()->Item(Runtime::Variant(i))->Caption() == "Efficiency")
      efficiency = group->ShortCuts()->Item(Runtime::Variant(i));
  ASSERT_NE(efficiency, nullptr);
  mainForm->ReportBar.SelectShortCut.Raise(efficiency);
  EXPECT_TRUE(posted);
  EXPECT_GT(host->Refreshes, 0);
  EXPECT_EQ(KordexModule::ChartCount, 0);
  EXPECT_EQ(mainForm->objConstraintsCol->Count(), 0);
  EXPECT_FALSE(ShellTestSupport::LoadFormLoaded());
}
