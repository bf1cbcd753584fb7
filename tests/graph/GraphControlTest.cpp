#include <gtest/gtest.h>

#include <memory>

#include "graph/render/Graph.h"
#include "graph/render/GraphPreferenceServices.h"
#include "platform/gui/RecordingSurface.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;

TEST(GraphControl, ANewControlHasTheDefaultTree) {
  TestHost host;
  Graph& graph = *host.graph;
  EXPECT_TRUE(graph.YAxis(1)->Enabled());
  EXPECT_EQ(graph.YAxis(1)->Name(), "Y1");
  EXPECT_EQ(graph.YAxis(1)->Title()->Text(), "Y1 Axis");
  EXPECT_FALSE(graph.YAxis(2)->Enabled());
  EXPECT_EQ(graph.YAxis(2)->Name(), "Y2");
  EXPECT_EQ(graph.YAxis(2)->Title()->Text(), "Y2 Axis");
  EXPECT_EQ(Raised([&] { graph.YAxis(3); }), ErrorNumber::InvalidProcedureCall);

  EXPECT_EQ(graph.MainTitle()->Text(), "Main Title");
  EXPECT_EQ(graph.MainTitle()->Font(), "Arial Black");
  EXPECT_EQ(graph.MainTitle()->Colour(), 0x02800000);
  EXPECT_EQ(graph.MainTitle()->Size(), 12);
  EXPECT_EQ(graph.MainPrefix()->Text(), "Line");
  EXPECT_EQ(graph.MainPrefix()->Colour(), 0x028080FF);
  EXPECT_EQ(graph.SubTitle()->Text(), "Sub Title");
  EXPECT_EQ(graph.SubTitle()->Colour(), 0x02FFFFFF);
  EXPECT_EQ(graph.FootNote()->Text(), "Foot Note");
  EXPECT_EQ(graph.FootNote()->Font(), "Arial");

  EXPECT_EQ(graph.NullSpace()->FillStyle(), 1);
  EXPECT_EQ(graph.NullSpace()->LineStyle(), 5);
  EXPECT_EQ(graph.NullSpace()->FillColour(), 0x02F0F0F0);
  EXPECT_EQ(graph.NullSpace()->LineColour(), 0x02F0F0F0);
  EXPECT_EQ(graph.BackGround(), 0x02F0F0F0);
  EXPECT_TRUE(graph.LocalDraw());
  EXPECT_FALSE(graph.AutoUpdate());
  EXPECT_TRUE(graph.DisplayFootNote());
  EXPECT_EQ(graph.ScrollBarDirection(), ScrollBarDirectionType::ScrollBarRight);
  EXPECT_EQ(graph.Frame(), host.site->Canvas().Surface());
  EXPECT_EQ(graph.Series()->Count(), 0);
  EXPECT_EQ(graph.Sections()->Count(), 0);
  EXPECT_EQ(graph.XAxis()->Title()->Text(), "X Axis");

  const auto regions = graph.Regions();
  ASSERT_EQ(regions->Count(), 7);
  int16_t position = 1;
  for (const char* key : {"Main", "Graph", "Y1", "Y2", "Legend", "X", "Window"}) {
    EXPECT_EQ(regions->Item(key), regions->Item(position++)) << key;
  }

  // The scroll bar waits, hidden, until the data outgrows the X window.
  GraphHScrollBar& scroll = graph.XScroll();
  EXPECT_EQ(&scroll, &graph.XScroll());
  EXPECT_EQ(scroll.Min(), 1);
  EXPECT_EQ(scroll.Max(), 1);
  EXPECT_EQ(scroll.Value(), 1);
  EXPECT_EQ(scroll.SmallChange(), 1);
  EXPECT_FALSE(scroll.Visible());

  EXPECT_EQ(graph.Eq(), nullptr);
}

TEST(GraphControl, TheXAxisKnowsItsGraph) {
  TestHost host;
  for (int i = 1; i <= 25; ++i) host.graph->XAxis()->Labels()->Add("x");
  host.graph->XAxis()->Width(10);
  EXPECT_EQ(host.graph->XScroll().Max(), 16);
  EXPECT_TRUE(host.graph->XScroll().Visible());
  // The scroll bar's value is the first position shown.
  EXPECT_EQ(host.graph->XAxis()->First(), 16);
}

TEST(GraphControl, SetTitlesChangesOnlyTheTextsGiven) {
  TestHost host;
  Graph& graph = *host.graph;
  graph.SetTitles(Variant::Missing(), "Wastage");
  EXPECT_EQ(graph.MainTitle()->Text(), "Wastage");
  EXPECT_EQ(graph.MainPrefix()->Text(), "Line");
  EXPECT_EQ(graph.SubTitle()->Text(), "Sub Title");
  EXPECT_EQ(graph.YAxis(2)->Title()->Text(), "Y2 Axis");

  graph.SetTitles("Line 3", Variant::Missing(), "1 May", "", "Date", int32_t{100}, "Total");
  EXPECT_EQ(graph.MainPrefix()->Text(), "Line 3");
  EXPECT_EQ(graph.MainTitle()->Text(), "Wastage");
  EXPECT_EQ(graph.SubTitle()->Text(), "1 May");
  EXPECT_EQ(graph.FootNote()->Text(), "");
  EXPECT_EQ(graph.XAxis()->Title()->Text(), "Date");
  EXPECT_EQ(graph.YAxis(1)->Title()->Text(), "100");
  EXPECT_EQ(graph.YAxis(2)->Title()->Text(), "Total");
}

TEST(GraphControl, TagVariantKeepsNumbersAndObjects) {
  TestHost host;
  host.graph->TagVariant(int32_t{42});
  EXPECT_EQ(host.graph->TagVariant(), Variant(int32_t{42}));
  const auto object = std::make_shared<GraphText>();
  host.graph->TagVariant(Variant(object));
  EXPECT_EQ(host.graph->TagVariant().GetObject(), object);
}

TEST(GraphControl, ResizeLaysOutCanvasAndScrollBarAndDrawsOnlyWithAutoUpdate) {
  TestHost host(400, 300);
  Graph& graph = *host.graph;
  host.site->Resize(400, 300);
  EXPECT_EQ(host.Drawings(), 0u);
  const auto& canvas = host.site->Canvas();
  EXPECT_EQ(canvas.Width(), 400);
  EXPECT_EQ(canvas.Height(), 300);
  const auto window = graph.Regions()->Item("Window");
  EXPECT_EQ(window->X2(), 400);
  EXPECT_EQ(window->Y2(), 300);
  const auto& scroll = host.site->GXScroll();
  EXPECT_EQ(scroll.Top(), 300 - scroll.Height());
  EXPECT_EQ(scroll.Width(), 400);

  graph.XScroll().Visible(true);
  graph.AutoUpdate(true);
  host.site->Resize(500, 200);
  EXPECT_EQ(canvas.Height(), 200 - scroll.Height());
  EXPECT_EQ(window->Y2(), 200 - scroll.Height());
  EXPECT_EQ(host.Drawings(), 1u);
  // The spare canvas keeps the canvas's place.
  const auto& spare = host.site->TempCanvas();
  EXPECT_EQ(spare.Width(), 500);
  EXPECT_EQ(spare.Height(), canvas.Height());

  // Shorter than its scroll bar.
  host.site->Resize(500, 10);
  EXPECT_EQ(canvas.Height(), 0);
  graph.XScroll().Visible(false);
  graph.UserControl_Resize();
  EXPECT_EQ(canvas.Height(), 10);
}

TEST(GraphControl, ResizeLeavesTheWindowOfAnotherSurfaceAlone) {
  TestHost host(400, 300);
  host.site->Resize(400, 300);
  const auto printer =
      std::make_shared<Platform::RecordingSurface>(2000, 3000, Platform::SurfaceKind::Printer);
  host.graph->Frame(printer);
  host.site->Resize(800, 600);
  EXPECT_EQ(host.graph->Regions()->Item("Window")->X2(), 400);

  host.graph->Frame(nullptr);
  EXPECT_EQ(host.graph->Frame(), host.site->Canvas().Surface());
}

TEST(GraphControl, DrawClearsTheSurfaceButNeverThePrintersPage) {
  TestHost host;
  host.site->Resize(300, 200);
  host.graph->Draw();
  EXPECT_EQ(host.Drawings(), 1u);
  // The canvas keeps what was drawn as its picture.
  EXPECT_EQ(host.Canvas().RecordsOf("SetPicture").size(), 1u);

  host.graph->LocalDraw(false);
  host.graph->Draw(true);
  EXPECT_EQ(host.Drawings(), 1u);

  host.graph->LocalDraw(true);
  const auto printer =
      std::make_shared<Platform::RecordingSurface>(2000, 3000, Platform::SurfaceKind::Printer);
  host.graph->Frame(printer);
  host.graph->Draw(true);
  EXPECT_TRUE(printer->RecordsOf("Cls").empty());
  EXPECT_EQ(host.Drawings(), 1u);
}

TEST(GraphControl, ClearBuildsTheDefaultTreeAgain) {
  TestHost host;
  Graph& graph = *host.graph;
  graph.AddSeries("Wastage", SeriesStyleType::BarGraph, YAxisType::YAxis2);
  for (int32_t i = 1; i <= 12; ++i) graph.AddValue("Wastage", i);
  const auto oldAxis = graph.XAxis();
  graph.Frame(std::make_shared<Platform::RecordingSurface>(100, 100));
  graph.AutoUpdate(true);
  graph.LocalDraw(false);
  graph.MainTitle()->Text("Old");
  graph.TagVariant("kept");

  graph.Clear();
  EXPECT_EQ(graph.Series()->Count(), 0);
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 0);
  EXPECT_FALSE(graph.YAxis(2)->Enabled());
  EXPECT_EQ(graph.MainTitle()->Text(), "Main Title");
  EXPECT_EQ(graph.Frame(), host.site->Canvas().Surface());
  EXPECT_FALSE(graph.AutoUpdate());
  EXPECT_TRUE(graph.LocalDraw());
  EXPECT_EQ(graph.TagVariant(), Variant("kept"));
  // The scroll bar stays where it was; the old axis is no longer the graph's.
  EXPECT_EQ(graph.XScroll().Max(), 3);
  EXPECT_EQ(Raised([&] { oldAxis->Width(5); }), ErrorNumber::ObjectNotSet);
  graph.XAxis()->Width(5);
  EXPECT_EQ(graph.XAxis()->Width(), 5);
}

TEST(GraphControl, AReplacedXAxisBelongsToTheGraphAndTheOldOneNoLonger) {
  TestHost host;
  const auto oldAxis = host.graph->XAxis();
  const auto newAxis = std::make_shared<GraphXAxis>();
  host.graph->XAxis(newAxis);
  EXPECT_EQ(host.graph->XAxis(), newAxis);
  EXPECT_EQ(Raised([&] { oldAxis->Width(4); }), ErrorNumber::ObjectNotSet);
  newAxis->Width(4);
  EXPECT_FALSE(host.graph->XScroll().Visible());
}

TEST(GraphControl, AYAxisCanBeReplaced) {
  TestHost host;
  const auto axis = std::make_shared<GraphYAxis>();
  host.graph->YAxis(2, axis);
  EXPECT_EQ(host.graph->YAxis(2), axis);
  EXPECT_EQ(host.graph->YAxis(1)->Name(), "Y1");
  EXPECT_EQ(Raised([&] { host.graph->YAxis(0, axis); }), ErrorNumber::InvalidProcedureCall);
}

TEST(GraphControl, TheScrollBarMovesTheXWindowAndRedrawsWhileLocalDraw) {
  TestHost host;
  host.graph->XScroll().Max(5);
  host.graph->XScroll().Value(3);
  EXPECT_EQ(host.graph->XAxis()->First(), 3);
  EXPECT_EQ(host.Drawings(), 1u);
  host.graph->LocalDraw(false);
  host.graph->XScroll().Value(4);
  EXPECT_EQ(host.graph->XAxis()->First(), 4);
  EXPECT_EQ(host.Drawings(), 1u);
}

TEST(GraphControl, MousePointerIsTheCanvasOne) {
  TestHost host;
  host.graph->MousePointer(11);
  EXPECT_EQ(host.site->Canvas().MousePointer(), 11);
  EXPECT_EQ(host.graph->MousePointer(), 11);
}

namespace {

class RecordingPreferences : public GraphPreferenceServices {
 public:
  void ShowPreferences(Graph& graph, GraphPreferences page) override {
    shown = &graph;
    this->page = page;
  }
  void SavePreferences(Graph&, const std::string& app, const std::string& section,
                       const std::string& chart) override {
    saved = app + "|" + section + "|" + chart;
  }
  void LoadPreferences(Graph&, const std::string&, const std::string&, const std::string&,
                       const Variant& series) override {
    loaded = series;
  }

  Graph* shown = nullptr;
  GraphPreferences page = GraphPreferences::GraphMean;
  std::string saved;
  Variant loaded;
};

}  // namespace

TEST(GraphControl, PreferencesGoToTheInstalledServices) {
  TestHost host;
  // Without series the library's own show no dialog and save nothing.
  host.graph->ShowPreferences(GraphPreferences::GraphTrends);
  host.graph->SavePreferences("TavroKordex", "Charts", "Line 1");

  const auto services = std::make_shared<RecordingPreferences>();
  GraphPreferenceServices::Install(services);
  host.graph->ShowPreferences(GraphPreferences::GraphTrends);
  host.graph->SavePreferences("TavroKordex", "Charts", "Line 1");
  host.graph->LoadPreferences("TavroKordex", "Charts", "Line 1", int16_t{2});
  GraphPreferenceServices::Install(nullptr);

  EXPECT_EQ(services->shown, host.graph.get());
  EXPECT_EQ(services->page, GraphPreferences::GraphTrends);
  EXPECT_EQ(services->saved, "TavroKordex|Charts|Line 1");
  EXPECT_EQ(services->loaded, Variant(int16_t{2}));
}
