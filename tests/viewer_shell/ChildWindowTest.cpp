// The main window's chart, table and line-status windows: tags, counters,
// captions, the Reports menu, and what a chart window does itself.
#include <gtest/gtest.h>

#include <vector>

#include "platform/SettingsStore.h"
#include "platform/gui/Colour.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/LineStatusForm.h"
#include "viewer/shell/TableForm.h"

using namespace Kordex;
using Runtime::Variant;

namespace {

// A main window whose rebuilds only count.
class CountingMainForm : public MainForm {
 public:
  void objConstraintsCol_MenuSelection(std::shared_ptr<Morvelt::TavroSPCConstraints>&,
                                       bool&) override {
    ++Rebuilds;
  }
  int Rebuilds = 0;
};

}  // namespace

class ChildWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestSupport::WriteFile(data.Path() / "Line1" / "LineInfo.Dat", "[Line Info]\r\n");
    StorePreference("Data Directory", Variant(data.Folder()));
    main = std::make_shared<CountingMainForm>();
    mainForm = main;
    main->Load();
  }

  std::vector<std::string> ReportIds() const {
    std::vector<std::string> ids;
    for (const auto& tool : *main->ReportList()) ids.push_back(tool->ID());
    return ids;
  }
  // A chart listed and holding a set, as a new report leaves it.
  std::shared_ptr<ChartForm> ListedChart() {
    auto chart = main->CreateNewChartForm();
    main->objConstraintsCol->Add(std::make_shared<Morvelt::TavroSPCConstraints>(), chart->Tag());
    main->AddToReportList(*chart);
    return chart;
  }
  bool Enabled(const std::string& id) const {
    return main->ToolBars->Tools()->Item(Variant(id))->Enabled();
  }

  TestSupport::TempDir data;
  std::shared_ptr<CountingMainForm> main;
};

TEST_F(ChildWindowTest, TagsCountersCaptionsAndLines) {
  auto chart = main->CreateNewChartForm();
  EXPECT_EQ(chart->Tag(), "CHART1");
  EXPECT_EQ(chart->intProductionLine, 1);
  chart->SetCaption("Efficiency By Date For Line 1");
  auto table = main->CreateNewTableForm(*chart);
  EXPECT_EQ(table->Tag(), "TABLE2");
  EXPECT_EQ(table->Caption(), "Efficiency By Date For Line 1  -  Table");
  Platform::SaveSetting("TavroKordex", "Initialise", "Production Line", "7");
  auto status = main->CreateNewStatusForm();
  EXPECT_EQ(status->Tag(), "STATS3");
  EXPECT_EQ(status->Caption(), "Line 7 Status");
  EXPECT_EQ(status->strText, "");
  EXPECT_EQ(KordexModule::ChartCount, 1);
  EXPECT_EQ(KordexModule::TableCount, 1);
  EXPECT_EQ(KordexModule::StatusFormCount, 1);

  // A chart whose creation failed has no set: it still closes cleanly.
  EXPECT_TRUE(chart->Unload());
  EXPECT_EQ(KordexModule::ChartCount, 0);
  auto next = main->CreateNewChartForm();
  EXPECT_EQ(next->Tag(), "CHART4");
  EXPECT_EQ(next->intProductionLine, 7);

  ShellTestSupport::WriteFile(data.Path() / "Line7" / "LineInfo.Dat",
                              "[Line Info]\r\nAlias=North\r\n");
  KordexModule::LoadProductionLines();
  EXPECT_EQ(main->CreateNewStatusForm()->Caption(), "Line   7 [North] Status");
  EXPECT_EQ(KordexModule::StatusFormCount, 2);
  EXPECT_TRUE(table->Unload());
  EXPECT_TRUE(status->Unload());
  EXPECT_EQ(KordexModule::TableCount, 0);
  EXPECT_EQ(KordexModule::StatusFormCount, 1);
}

TEST_F(ChildWindowTest, ReportList) {
  const std::vector<std::string> design = ReportIds();
  ASSERT_FALSE(design.empty());
  EXPECT_EQ(design.back(), "ReportSeparator");
  auto chart = ListedChart();
  chart->SetCaption("Chart A");
  auto table = main->CreateNewTableForm(*chart);
  main->AddToReportList(*table);
  auto status = main->CreateNewStatusForm();
  main->AddToReportList(*status);
  std::vector<std::string> expected = design;
  expected.insert(expected.end(), {"CHART1", "TABLE2", "STATS3"});
  EXPECT_EQ(ReportIds(), expected);
  const auto entry = main->ReportList()->Item(Variant("TABLE2"));
  EXPECT_EQ(entry->Caption(), "Chart A  -  Table");
  EXPECT_EQ(FormReference::FormOf(entry->TagVariant()).get(), table.get());
  EXPECT_FALSE(entry->Picture().IsEmpty());

  table->SetCaption("Renamed");
  EXPECT_TRUE(chart->Unload());
  expected.erase(expected.end() - 3);
  EXPECT_EQ(ReportIds(), expected);
  EXPECT_EQ(main->ReportList()->Item(Variant("TABLE2"))->Caption(), "Chart A  -  Table");
}

TEST_F(ChildWindowTest, ChartLayoutStyleTitlesAndPreferenceNames) {
  auto chart = ListedChart();
  Dravex::Graph& graph = *chart->PRDGraph.Object();
  EXPECT_EQ(graph.MainTitle()->Text(), "");
  EXPECT_EQ(graph.XAxis()->Title()->Text(), "");
  EXPECT_EQ(graph.ScrollBarDirection(), Dravex::ScrollBarDirectionType::ScrollBarLeft);
  EXPECT_EQ(graph.NullSpace()->FillColour(), Platform::RGB(232, 232, 232));
  EXPECT_EQ(graph.NullSpace()->FillStyle(), 0);
  EXPECT_EQ(graph.NullSpace()->LineStyle(), 5);

  chart->SetWindowState(Platform::WindowStates::Normal);
  chart->SetClientSize(8010, 6000);  // whole pixels: 534 x 400
  chart->Form_Resize();
  EXPECT_EQ(chart->PRDGraph.Left(), 60);
  EXPECT_EQ(chart->PRDGraph.Top(), 60);
  EXPECT_DOUBLE_EQ(chart->PRDGraph.Width(), 7890);
  EXPECT_DOUBLE_EQ(chart->PRDGraph.Height(), 5880);
  const double width = chart->PRDGraph.Width();
  // A graph moved so far right that twice its margin is more than the width.
  chart->PRDGraph.Move(chart->ScaleWidth(), 60);
  chart->Form_Resize();
  EXPECT_DOUBLE_EQ(chart->PRDGraph.Width(), width);
  EXPECT_DOUBLE_EQ(chart->PRDGraph.Height(), 5880);

  bool save = true;
  std::string app, section, name;
  chart->SetCaption("Efficiency By Date For Line 2");
  graph.PreferenceChange.Raise(save, app, section, name);
  EXPECT_EQ(app, "TavroKordex");
  EXPECT_EQ(section, "Charts");
  EXPECT_EQ(name, "Efficiency By Date");
  EXPECT_TRUE(save);
  chart->SetCaption("Board Count By Date For Line 1");
  graph.PreferenceChange.Raise(save, app, section, name);
  EXPECT_EQ(name, "");
}

TEST_F(ChildWindowTest, TabCyclesChartsAndTablesInLoadingOrder) {
  auto a = ListedChart();
  const auto tab = [](ChartForm& chart) {
    int16_t key = 9;
    chart.Form_KeyPress(key);
  };
  tab(*a);
  EXPECT_EQ(main->ActiveForm(), a.get());

  auto s = main->CreateNewStatusForm();
  auto b = main->CreateNewTableForm(*a);
  auto c = ListedChart();
  a->SetTag("chart1");  // the kind is read in upper case
  tab(*c);
  EXPECT_EQ(main->ActiveForm(), a.get());
  tab(*a);
  EXPECT_EQ(main->ActiveForm(), b.get());
  a->SetTag("CHART1");
}

TEST_F(ChildWindowTest, KeysRefreshAndCloseTheLastChart) {
  auto chart = ListedChart();
  // The keys reach the window while its graph has the focus.
  chart->PRDGraph.Canvas.SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), WidgetOf(chart->PRDGraph.Canvas));
  // Tab from the graph goes on to the next window and stays there.
  auto other = ListedChart();
  chart->PRDGraph.Canvas.SetFocus();
  Press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  EXPECT_EQ(main->ActiveForm(), other.get());
  other->Unload();
  chart->PRDGraph.Canvas.SetFocus();
  Press(Qt::Key_F5, Qt::ShiftModifier);
  Press(Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(main->Rebuilds, 2);
  Press(Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
  EXPECT_FALSE(chart->IsLoaded());
  EXPECT_EQ(KordexModule::ChartCount, 0);
  EXPECT_EQ(main->ReportList()->Find("CHART1"), 0);
  EXPECT_EQ(main->objConstraintsCol->Count(), 0);
  EXPECT_FALSE(Enabled("CreateTable"));
  EXPECT_FALSE(Enabled("Graphs"));
  EXPECT_FALSE(Enabled("ManualUpdate"));
}
