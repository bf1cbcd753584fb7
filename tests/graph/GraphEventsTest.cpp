#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graph/render/Graph.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;

TEST(GraphEvents, EveryListenerHearsSelectPointsAndTheControlReadsTheAnswerBack) {
  TestHost host;
  Graph& graph = *host.graph;
  std::vector<std::string> heard;
  // The chart window and a constraint set both listen.
  Platform::ScopedConnection chart = graph.SelectPoints.Connect([&](int16_t& from, int16_t& to) {
    heard.push_back("chart " + std::to_string(from) + "-" + std::to_string(to));
    to = 9;
  });
  Platform::ScopedConnection constraints =
      graph.SelectPoints.Connect([&](int16_t& from, int16_t& to) {
        heard.push_back("constraints " + std::to_string(from) + "-" + std::to_string(to));
      });
  int16_t from = 3, to = 5;
  graph.Raise(graph.SelectPoints, from, to);
  EXPECT_EQ(heard, (std::vector<std::string>{"chart 3-5", "constraints 3-9"}));
  EXPECT_EQ(to, 9);

  constraints.Disconnect();
  heard.clear();
  graph.Raise(graph.SelectPoints, from, to);
  EXPECT_EQ(heard, std::vector<std::string>{"chart 3-9"});
}

TEST(GraphEvents, ListenersMayComeAndGoWhileAnEventIsRaised) {
  TestHost host;
  Graph& graph = *host.graph;
  std::vector<std::string> heard;
  Platform::ScopedConnection late;
  Platform::ScopedConnection second;
  Platform::ScopedConnection first = graph.Click.Connect([&] {
    heard.push_back("first");
    second.Disconnect();
    late = graph.Click.Connect([&] { heard.push_back("late"); });
  });
  second = graph.Click.Connect([&] { heard.push_back("second"); });

  host.site->Canvas().Click.Raise();
  EXPECT_EQ(heard, std::vector<std::string>{"first"});
  heard.clear();
  first.Disconnect();
  host.site->Canvas().Click.Raise();
  EXPECT_EQ(heard, std::vector<std::string>{"late"});
}

TEST(GraphEvents, MouseEventsOfTheCanvasReachTheHostByReference) {
  TestHost host;
  int16_t seenButton = 0;
  float seenX = 0;
  auto down = host.graph->MouseDown.Connect([&](int16_t& button, int16_t&, float& x, float&) {
    seenButton = button;
    seenX = x;
    button = 0;
  });
  auto up = host.graph->MouseUp.Connect([&](int16_t& button, int16_t&, float&, float&) {
    seenButton = static_cast<int16_t>(button + 10);
  });
  int16_t button = 2, shift = 1;
  float x = 12.5f, y = 40;
  host.site->Canvas().MouseDown.Raise(button, shift, x, y);
  EXPECT_EQ(seenButton, 2);
  EXPECT_EQ(seenX, 12.5f);
  EXPECT_EQ(button, 0);
  button = 2;
  host.site->Canvas().MouseUp.Raise(button, shift, x, y);
  EXPECT_EQ(seenButton, 12);
}

namespace {

// A chart with the series "A" of three points, its series held by the host.
class Unloaded : public testing::Test {
 protected:
  Unloaded() {
    graph->AddSeries("A", SeriesStyleType::LineGraph);
    for (int32_t i = 1; i <= 3; ++i) graph->AddValue("A", i);
    series = graph->Series()->Item("A");
    xAxis = graph->XAxis();
  }

  TestHost host;
  std::shared_ptr<Graph> graph = host.graph;
  std::shared_ptr<GraphSeries> series;
  std::shared_ptr<GraphXAxis> xAxis;
};

}  // namespace

TEST_F(Unloaded, TheHostFormsUnloadReleasesTheTreeAndBreaksTheBackReferences) {
  host.UnloadForm();

  EXPECT_EQ(Raised([&] { series->Values()->Parent(); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { xAxis->Width(4); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { series->Values()->Add(int32_t{4}); }), ErrorNumber::ObjectNotSet);

  const std::vector<std::function<void()>> members = {
      [&] { graph->Series(); },
      [&] { graph->XAxis(); },
      [&] { graph->YAxis(1); },
      [&] { graph->MainTitle(); },
      [&] { graph->MainPrefix(); },
      [&] { graph->SubTitle(); },
      [&] { graph->FootNote(); },
      [&] { graph->Regions(); },
      [&] { graph->Sections(); },
      [&] { graph->Frame(); },
      [&] { graph->AddSeries("B", SeriesStyleType::LineGraph); },
      [&] { graph->AddValue("A", int32_t{1}); },
      [&] { graph->RemoveValue("A"); },
      [&] { graph->CountValue("A"); },
      [&] { graph->MaxWidth(); },
      [&] { graph->LabelOrientation(); },
      [&] { graph->SetTitles("Line"); },
      [&] { graph->Draw(); },
      [&] {
        graph->XScroll().Value(1);
        graph->XScroll().Max(4);
        graph->XScroll().Value(2);
      },
  };
  for (size_t i = 0; i < members.size(); ++i) {
    EXPECT_EQ(Raised(members[i]), ErrorNumber::ObjectNotSet) << "member " << i;
  }
  // Resizing lays out the constituents, which are still there.
  graph->AutoUpdate(false);
  graph->UserControl_Resize();

  graph->Clear();
  graph->AddSeries("A", SeriesStyleType::LineGraph);
  graph->AddValue("A", int32_t{1});
  EXPECT_EQ(graph->CountValue("A"), 1);
}

TEST_F(Unloaded, AHandlerThatClosesTheWindowDuringAnAddLeavesAnErrorNotACrash) {
  Platform::ScopedConnection closer =
      graph->NumLabels.Connect([&](SizeEventType, bool&) { host.UnloadForm(); });
  EXPECT_EQ(Raised([&] { graph->AddValue("A", int32_t{4}); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(series->Values()->Count(), 4);
}

TEST_F(Unloaded, AHandlerMayDropTheLastReferenceToTheControl) {
  const std::weak_ptr<Graph> watched = graph;
  bool closed = false;
  Platform::ScopedConnection closer =
      graph->MouseDown.Connect([&](int16_t&, int16_t&, float&, float&) {
        host.UnloadForm();
        host.graph.reset();
        graph.reset();
        closed = true;
      });
  const std::shared_ptr<DetachedGraphSite> site = host.site;
  int16_t button = 1, shift = 0;
  float x = 5, y = 5;
  site->Canvas().MouseDown.Raise(button, shift, x, y);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(watched.expired());
  // Nothing listens any more.
  site->Canvas().MouseDown.Raise(button, shift, x, y);
  site->GXScroll().Max(3);
  site->GXScroll().Value(3);
}
