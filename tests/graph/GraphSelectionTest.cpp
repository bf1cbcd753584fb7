#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "graph/model/GraphSelection.h"
#include "graph/render/Graph.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

class Selection : public testing::Test {
 protected:
  Selection() {
    alarms_ = graph.GraphAlarm.Connect([this] { ++alarms; });
  }

  void Fill(const char* series, std::initializer_list<Variant> values) {
    graph.AddSeries(series, SeriesStyleType::LineGraph);
    for (const Variant& y : values) graph.AddValue(series, y);
  }
  std::vector<int32_t> Modes(const char* series) const {
    std::vector<int32_t> modes;
    const auto values = graph.Series()->Item(series)->Values();
    for (int16_t i = 1; i <= values->Count(); ++i) modes.push_back(values->Item(i)->ValueMode());
    return modes;
  }
  void SetModes(const char* series, int32_t mode) {
    const auto values = graph.Series()->Item(series)->Values();
    for (int16_t i = 1; i <= values->Count(); ++i) values->Item(i)->ValueMode(mode);
  }
  void Limits(const char* series, AlarmType alarm, bool lowerOn, bool upperOn) {
    const auto settings = graph.Series()->Item(series)->StatsAlarms();
    settings->Alarm(alarm);
    settings->Limits(enuLimits::LowerLimit)->LimitOn(lowerOn);
    settings->Limits(enuLimits::LowerLimit)->Value(10);
    settings->Limits(enuLimits::UpperLimit)->LimitOn(upperOn);
    settings->Limits(enuLimits::UpperLimit)->Value(20);
  }

  TestHost host;
  Graph& graph = *host.graph;
  int alarms = 0;

 private:
  Platform::ScopedConnection alarms_;
};

using ModeList = std::vector<int32_t>;

}  // namespace

TEST_F(Selection, ClearingTakesOneFlagAndLeavesTheOthers) {
  Fill("A", {int16_t{1}, int16_t{2}});
  SetModes("A", 7);
  graph.ClearSelection();
  EXPECT_EQ(Modes("A"), (ModeList{6, 6}));
  SetModes("A", 7);
  graph.ClearAlarms();
  EXPECT_EQ(Modes("A"), (ModeList{3, 3}));
}

TEST_F(Selection, AddSelectionsSelectsThePositionsEachSeriesHas) {
  Fill("Five", {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{4}, int16_t{5}});
  Fill("Two", {int16_t{1}, int16_t{2}});
  graph.ClearSelection();
  SetModes("Five", 4);
  graph.AddSelections(3, 20);
  EXPECT_EQ(Modes("Five"), (ModeList{4, 4, 5, 5, 5}));
  EXPECT_EQ(Modes("Two"), (ModeList{0, 0}));

  EXPECT_EQ(Raised([&] { graph.AddSelections(0, 1); }), Runtime::ErrorNumber::InvalidProcedureCall);
}

TEST_F(Selection, TheCursorMovesToTheNextPositionWithData) {
  const Variant none(Runtime::Null);
  Fill("A", {int16_t{1}, int16_t{2}, none, none, int16_t{5}});
  int16_t first = 1;
  int16_t last = 2;
  GraphSelection::SetSelection(graph, SeletionType::SelectionLast, 1, first, last);
  EXPECT_EQ(last, 5);
  last = 2;
  GraphSelection::SetSelection(graph, SeletionType::SelectionLast, 4, first, last);
  EXPECT_EQ(last, 5);
  // Nothing beyond the data, nothing before position 1: the end stays.
  GraphSelection::SetSelection(graph, SeletionType::SelectionLast, 1, first, last);
  EXPECT_EQ(last, 5);
  GraphSelection::SetSelection(graph, SeletionType::SelectionFirst, -1, first, last);
  EXPECT_EQ(first, 1);
  GraphSelection::SetSelection(graph, SeletionType::SelectionLast, -3, first, last);
  EXPECT_EQ(last, 2);
  GraphSelection::SetSelection(graph, SeletionType::SelectionFirst, 0, first, last);
  EXPECT_EQ(first, 1);

  // Another series' data counts too.
  Fill("B", {none, none, none, int16_t{4}});
  GraphSelection::SetSelection(graph, SeletionType::SelectionFirst, 1, first, last);
  EXPECT_EQ(first, 2);
  GraphSelection::SetSelection(graph, SeletionType::SelectionFirst, 1, first, last);
  EXPECT_EQ(first, 4);
  EXPECT_EQ(last, 2);
}

TEST_F(Selection, PointsBeyondTheLimitsRaiseOneAlarm) {
  Fill("A", {int16_t{9}, int16_t{10}, int16_t{20}, int16_t{21}, Variant(Runtime::Null)});
  graph.ClearSelection();
  Limits("A", AlarmType::AlarmSpecLimit, true, true);
  graph.CheckAlarms();
  EXPECT_EQ(Modes("A"), (ModeList{4, 0, 0, 4, 0}));
  EXPECT_EQ(alarms, 1);
  graph.CheckAlarms();
  EXPECT_EQ(alarms, 2);

  // Back inside its limits, a point loses its flag on the next check.
  graph.Series()->Item("A")->Values()->Item(1)->Y(int16_t{15});
  graph.CheckAlarms();
  EXPECT_EQ(Modes("A"), (ModeList{0, 0, 0, 4, 0}));

  Limits("A", AlarmType::AlarmSpecLimit, false, true);
  graph.CheckAlarms();
  EXPECT_EQ(Modes("A"), (ModeList{0, 0, 0, 4, 0}));
}

TEST_F(Selection, NoAlarmWithoutSpecLimits) {
  Fill("A", {int16_t{9}, int16_t{21}});
  graph.ClearSelection();
  SetModes("A", 5);
  Limits("A", AlarmType::AlarmNone, true, true);
  graph.CheckAlarms();
  Limits("A", AlarmType::AlarmSpecLimit, false, false);
  graph.CheckAlarms();
  Limits("A", static_cast<AlarmType>(2), true, true);
  graph.CheckAlarms();
  EXPECT_EQ(Modes("A"), (ModeList{1, 1}));
  EXPECT_EQ(alarms, 0);
}
