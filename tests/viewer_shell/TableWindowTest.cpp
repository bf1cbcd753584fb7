// The table window: column stops, the table of a chart's graph with its
// formatting, gaps and wide tables, and its keys.
#include <gtest/gtest.h>

#include <QApplication>

#include "graph/model/GraphControlLimit.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/GraphStats.h"
#include "graph/model/GraphValueFormat.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabel.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/RichText.h"
#include "platform/gui/RecordingSurface.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/TableForm.h"

using Kordex::TabStopArray;
using Runtime::Variant;

namespace {

constexpr int32_t c = static_cast<int32_t>(Platform::RecordingSurface::CharWidth);

std::shared_ptr<Kordex::TableForm> NewTable() {
  auto table = std::make_shared<Kordex::TableForm>();
  table->SetDrawing(std::make_unique<Platform::RecordingSurface>());
  return table;
}

// A graph of series given by name, digits and values, against labels.
std::shared_ptr<Dravex::Graph> GraphOf(
    const std::vector<std::string>& labels,
    const std::vector<std::tuple<std::string, int16_t, std::vector<Variant>>>& series) {
  auto graph = Dravex::Graph::New();
  graph->SetTitles("Kor", "dex", "Sub", "Foot", "Date");
  for (const auto& [name, digits, values] : series) {
    graph->AddSeries(name, Dravex::SeriesStyleType::LineGraph);
    graph->Series()->Item(Variant(name))->ValueFormat()->DigitsAfterDecimal(digits);
    for (const Variant& value : values) graph->AddValue(Variant(name), value);
  }
  auto axisLabels = graph->XAxis()->Labels();
  while (axisLabels->Count() < static_cast<int>(labels.size())) axisLabels->Add("");
  for (size_t j = 0; j < labels.size(); ++j)
    axisLabels->Item(static_cast<int16_t>(j + 1))->Label(labels[j]);
  return graph;
}

}  // namespace

class TableWindowTest : public ShellTest {};

TEST_F(TableWindowTest, ColumnEdgesAndStopsOfEachLine) {
  auto table = NewTable();
  const TabStopArray edges = table->GetTabStops("X\tA\tBB\r\nY\tCCC\tD");
  EXPECT_EQ(edges, (TabStopArray{24 * c, 36 * c}));
  EXPECT_EQ(table->GetAdjustedTabStops("Y\tCCC\tD", edges), (TabStopArray{21 * c, 35 * c}));
  EXPECT_EQ(table->GetAdjustedTabStops("Z\tE", edges), (TabStopArray{23 * c, 36 * c}));
  EXPECT_EQ(table->GetAdjustedTabStops("Stats", edges), TabStopArray{0});
  EXPECT_EQ(table->GetTabStops(""), TabStopArray{0});
  // Cells beyond the first line's get no stops.
  EXPECT_EQ(table->GetTabStops("X\tA\r\nY\tB\tC\tD"), TabStopArray{22 * c});
  EXPECT_EQ(table->GetAdjustedTabStops("Y\tB\tC\tD", {22 * c}), TabStopArray{21 * c});
}

TEST_F(TableWindowTest, TableOfAChartWithItsTitlesStatisticsAndFormatting) {
  StartMainWindow();
  auto graph = GraphOf({"01/05", "02/05"}, {{"Efficiency", 1, {Variant(50), Variant(60)}}});
  auto series = graph->Series()->Item(Variant("Efficiency"));
  series->StatsAlarms()->Limits(Dravex::enuLimits::UpperLimit)->Value(12.5f);
  auto table = NewTable();
  table->CreateTable(graph);
  table->Show();
  EXPECT_EQ(table->TableText.Text(),
            "Kordex\r\n\r\nSub\r\n\r\nDate\tEfficiency\r\n01/05\t50.0\r\n02/05\t60.0\r\n\r\n"
            "Stats\r\nMean\t55.000\r\nStd Dev\t5.000\r\nU.S.L.\t12.5\r\nL.S.L.\t0\r\n\r\nFoot\r\n");
  EXPECT_EQ(series->ValueFormat()->DigitsAfterDecimal(), 1);

  const Platform::RichDocument doc = Platform::ReadRtf(table->TableText.TextRTF());
  ASSERT_EQ(doc.Paragraphs.size(), 16u);
  const double sizes[] = {16, 16, 12, 12};
  for (size_t i = 0; i < doc.Paragraphs.size(); ++i) {
    const auto& paragraph = doc.Paragraphs[i];
    if (paragraph.Runs.empty()) continue;
    ASSERT_EQ(paragraph.Runs.size(), 1u) << i;
    EXPECT_EQ(paragraph.Runs[0].Bold, i <= 4 || paragraph.Text() == "Stats") << i;
    EXPECT_EQ(paragraph.Runs[0].Size, i < 4 ? sizes[i] : 10) << i;
  }
  // The column's right edge is the widest "value, blanks, label, blanks".
  const int32_t edge = 34 * c;
  EXPECT_EQ(doc.Paragraphs[0].Tabs, TabStopArray{edge});
  EXPECT_EQ(doc.Paragraphs[5].Tabs, TabStopArray{edge - 4 * c});
  EXPECT_EQ(doc.Paragraphs[9].Tabs, TabStopArray{edge - 6 * c});
}

TEST_F(TableWindowTest, GapsShortSeriesEqualValuesAndWideTables) {
  StartMainWindow();
  auto graph =
      GraphOf({"A", "B", "C"}, {{"Gaps", 1, {Variant(Runtime::Null), Variant(Runtime::Null)}},
                                {"Even", 2, {Variant(0.1), Variant(0.1), Variant(0.1)}},
                                {"Short", -1, {Variant(7)}}});
  auto table = NewTable();
  table->CreateTable(graph);
  const std::string text = table->TableText.Text();
  EXPECT_NE(text.find("A\t\t0.10\t7.00\r\nB\t\t0.10\t\r\nC\t\t0.10\t\r\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Mean\t\t0.1000\t7.0000\r\nStd Dev\t\t0.0000\t0.0000\r\n"), std::string::npos)
      << text;

  // Forty series with long names: the stops go past 32767 twips.
  std::vector<std::tuple<std::string, int16_t, std::vector<Variant>>> machines;
  for (int m = 1; m <= 40; ++m)
    machines.emplace_back(std::to_string(m) + std::string(140, 'M'), 0,
                          std::vector<Variant>{Variant(m)});
  auto wide = NewTable();
  wide->CreateTable(GraphOf({"01/05"}, machines));
  const Platform::RichDocument doc = Platform::ReadRtf(wide->TableText.TextRTF());
  ASSERT_EQ(doc.Paragraphs[4].Tabs.size(), 40u);
  EXPECT_GT(doc.Paragraphs[4].Tabs.back(), 32767);
  EXPECT_TRUE(std::is_sorted(doc.Paragraphs[4].Tabs.begin(), doc.Paragraphs[4].Tabs.end()));
  // The short foot note added last leaves the box wide enough for the rows.
  EXPECT_GT(wide->TableText.RightMargin(), doc.Paragraphs[4].Tabs.back());
}

TEST_F(TableWindowTest, TabInsertsNothingAndEscCloses) {
  StartMainWindow();
  auto table = NewTable();
  ++Kordex::KordexModule::TableCount;
  table->CreateTable(GraphOf({"01/05"}, {{"Efficiency", 1, {Variant(50)}}}));
  table->Show();
  table->TableText.SetFocus();
  QApplication::processEvents();
  const std::string before = table->TableText.Text();
  Press(Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(table->TableText.Text(), before);
  EXPECT_TRUE(table->IsLoaded());
  // The right button pops the Edit menu up where it was clicked.
  int16_t button = 2, shift = 0;
  double x = 300, y = 150;
  table->TableText.MouseUp.Raise(button, shift, x, y);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(responder->ToolPopups[0].Menu,
            mainForm->ToolBars->Tools()->Item(Variant("Edit"))->Menu().get());
  button = 1;
  table->TableText.MouseUp.Raise(button, shift, x, y);
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
  Press(Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
  EXPECT_FALSE(table->IsLoaded());
  EXPECT_EQ(Kordex::KordexModule::TableCount, 0);
}
