// The person at the chart: mouse, keys, the double-click timer, the scroll bar
// and the "Graphs" menu, driven through the site's events on recording
// canvases, with the test's clock.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graph/model/GraphValue.h"
#include "graph/render/GraphPreferenceServices.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/TickSource.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "tests/graph/GraphDrawFixture.h"
#include "tests/graph/ScriptedPerson.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

// A canvas whose lines fail while failing is set.
class FailingSurface : public Platform::RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;
  bool failing = false;

 protected:
  void DoLine(double x1, double y1, double x2, double y2, std::optional<Platform::Colour> colour,
              Platform::LineShape shape) override {
    if (failing) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
    RecordingSurface::DoLine(x1, y1, x2, y2, colour, shape);
  }
};

// A line chart of 12 points in a window of 10 positions from the first, drawn
// once so that the regions are laid out; every event the host hears is logged.
class Interaction : public GraphTest::Drawing {
 protected:
  void SetUp() override {
    graph.ScrollBarDirection(ScrollBarDirectionType::ScrollBarLeft);
    graph.XAxis()->Title()->Text("Day");
    graph.AddSeries("Wastage", SeriesStyleType::LineGraph);
    AddValues("Wastage", {5, 7, 3, 9, 4, 8, 6, 2, 1, 7, 5, 3});
    graph.Series()->Item("Wastage")->ShowValue(ShowValueType::SingleFloating);
    graph.Draw();
    host.site->ValueData().Move(0, 0, 40, 30);

    listening.push_back(graph.MouseDown.Connect([this](int16_t& b, int16_t&, float&, float&) {
      log.push_back("MouseDown " + std::to_string(b));
    }));
    listening.push_back(graph.MouseUp.Connect([this](int16_t& b, int16_t&, float&, float&) {
      log.push_back("MouseUp " + std::to_string(b));
    }));
    listening.push_back(graph.Click.Connect([this] { log.push_back("Click"); }));
    listening.push_back(graph.SelectPoints.Connect([this](int16_t& from, int16_t& to) {
      log.push_back("SelectPoints " + std::to_string(from) + "-" + std::to_string(to));
    }));
  }

  // Where position n lies across, and the middle of the plot down.
  float At(int16_t n) const { return graph.XCoordinate(static_cast<float>(n)); }
  float Middle() const { return (Region("Graph").Y1() + Region("Graph").Y2()) / 2; }

  void Down(float x, float y, int16_t button = 1) {
    host.site->Canvas().MouseDown.Raise(button, shift, x, y);
  }
  void Move(float x, float y) {
    int16_t buttons = 1;
    host.site->Canvas().MouseMove.Raise(buttons, shift, x, y);
  }
  void Up(float x, float y, int16_t button = 1) {
    host.site->Canvas().MouseUp.Raise(button, shift, x, y);
  }
  // A press and a release in place, as a left click gives them.
  void ClickAt(float x, float y) {
    Down(x, y);
    Up(x, y);
    host.site->Canvas().Click.Raise();
  }
  void Key(int16_t code, int16_t keyShift = 0) { host.site->KeyDown.Raise(code, keyShift); }

  // The positions whose point is selected.
  std::vector<int> Selected() const {
    std::vector<int> positions;
    const auto values = graph.Series()->Item("Wastage")->Values();
    for (int16_t p = 1; p <= values->Count(); ++p) {
      if (values->Item(p)->ValueMode() & 1) positions.push_back(p);
    }
    return positions;
  }
  bool Idle() const {
    return !host.site->SelectBox().Visible() && !host.site->DblClickClock().Enabled();
  }

  GraphTest::ScriptedPerson person;
  std::shared_ptr<Platform::ManualTickSource>& ticks = person.ticks;
  std::shared_ptr<Platform::ScriptedResponder>& responder = person.responder;
  std::shared_ptr<GraphTest::PagesAsked>& preferences = person.preferences;
  std::vector<std::string> log;
  std::vector<Platform::ScopedConnection> listening;
  int16_t shift = 0;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(Interaction, AClickReportsThePositionUnderTheMouseHalfASecondAfterItsRelease) {
  ClickAt(At(4), Middle());
  EXPECT_EQ(log, (Strings{"MouseDown 1", "Click"})) << "a click that closes a band has no MouseUp";
  EXPECT_TRUE(host.site->DblClickClock().Enabled());
  EXPECT_FALSE(host.site->SelectBox().Visible());

  ticks->Advance(499);
  EXPECT_EQ(log.size(), 2u);
  ticks->Advance(1);
  EXPECT_EQ(log, (Strings{"MouseDown 1", "Click", "SelectPoints 4-4"}));
  // Then the cursor is back on the first position shown.
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_TRUE(Idle());
  ticks->Advance(5000);
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(Interaction, ADoubleClickReportsTheWholeWindowOnce) {
  ClickAt(At(4), Middle());
  // The second press reaches the control as a MouseDown of its own.
  Down(At(4), Middle());
  Up(At(4), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log, (Strings{"MouseDown 1", "Click", "MouseDown 1", "SelectPoints 1-10"}));
  ticks->Advance(2000);
  EXPECT_EQ(log.size(), 4u);

  // A window wider than the data reports only the positions with labels.
  graph.XAxis()->Width(20);
  graph.Draw();
  log.clear();
  ClickAt(At(2), Middle());
  ClickAt(At(2), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log.back(), "SelectPoints 1-12");
  log.clear();
  // A click on a position past the last label reports nothing.
  ClickAt(At(15), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log, (Strings{"MouseDown 1", "Click"}));
  EXPECT_EQ(Selected(), std::vector<int>{1});
}

TEST_F(Interaction, ADragMarksAndReportsTheSameRangeEitherWay) {
  for (const bool leftward : {false, true}) {
    SCOPED_TRACE(leftward ? "right to left" : "left to right");
    log.clear();
    const float start = At(leftward ? 6 : 3);
    const float end = At(leftward ? 3 : 6);
    Down(start, Middle());
    Move((start + end) / 2, Middle());
    Move(end, Middle());
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6}));
    const GraphOverlay& band = host.site->SelectBox();
    EXPECT_TRUE(band.Visible());
    EXPECT_FLOAT_EQ(band.Left(), At(3));
    EXPECT_FLOAT_EQ(band.Width(), At(6) - At(3));
    // From the highest to the lowest value in the band: 9 at 4, 3 at 3.
    EXPECT_FLOAT_EQ(band.Top(), graph.YCoordinate(9, 1));
    EXPECT_FLOAT_EQ(band.Top() + band.Height(), graph.YCoordinate(3, 1));
    Up(end, Middle());
    ticks->Advance(500);
    EXPECT_EQ(log.back(), "SelectPoints 3-6");
  }
}

TEST_F(Interaction, ABandDraggedBackToItsStartReportsItsStartOnly) {
  Down(At(3), Middle());
  Move(At(6), Middle());
  Move(At(3), Middle());
  EXPECT_EQ(Selected(), std::vector<int>{3});
  EXPECT_FLOAT_EQ(host.site->SelectBox().Width(), 0);
  Up(At(3), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log.back(), "SelectPoints 3-3");
}

TEST_F(Interaction, SelectionsStayRightInAScrolledWindow) {
  host.site->GXScroll().Max(3);
  host.site->GXScroll().Value(3);
  EXPECT_EQ(graph.XAxis()->First(), 3);
  ClickAt(At(5), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log.back(), "SelectPoints 5-5");
  EXPECT_EQ(Selected(), std::vector<int>{3}) << "the cursor goes to the first position shown";

  // The cursor follows a band; Enter reports it before the timer does.
  Down(At(5), Middle());
  Move(At(7), Middle());
  Up(At(7), Middle());
  Key(13);
  EXPECT_EQ(log.back(), "SelectPoints 5-7");
}

TEST_F(Interaction, OnlyAPressStrictlyInsideThePlotOpensABand) {
  const GraphRegion& plot = Region("Graph");
  Down(plot.X1(), Middle());
  EXPECT_FALSE(host.site->SelectBox().Visible());
  Down(At(4), plot.Y2());
  EXPECT_FALSE(host.site->SelectBox().Visible());
  Down(At(4), Middle());
  EXPECT_TRUE(host.site->SelectBox().Visible());
  // A press outside hides an open band.
  Down(At(4), plot.Y1() - 1);
  EXPECT_FALSE(host.site->SelectBox().Visible());
  Up(At(4), plot.Y1() - 1);
  EXPECT_EQ(log.back(), "MouseUp 1");
  EXPECT_FALSE(host.site->DblClickClock().Enabled());
}

TEST_F(Interaction, TheRightButtonPopsUpTheGraphsMenuUnlessTheHostTakesThePress) {
  responder->OnToolPopup = [](Platform::ToolMenu& menu) {
    return menu.Tools()->Item(Variant("SpecLimits"));
  };
  Down(At(4), Middle(), 2);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(preferences->pages, std::vector<int>{2});
  EXPECT_FALSE(host.site->SelectBox().Visible());
  Up(At(4), Middle(), 2);
  EXPECT_EQ(log, (Strings{"MouseDown 2", "MouseUp 2"}));

  // A host that turns the button to 0 keeps both the menu and the band away.
  auto taking =
      graph.MouseDown.Connect([](int16_t& button, int16_t&, float&, float&) { button = 0; });
  Down(At(4), Middle(), 2);
  Down(At(4), Middle(), 1);
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_FALSE(host.site->SelectBox().Visible());
}

TEST_F(Interaction, GraphPreferencesPopsUpTheMenuAtThePointAndIgnoresEveryError) {
  responder->OnToolPopup = [](Platform::ToolMenu& menu) {
    return menu.Tools()->Item(Variant("Alarms"));
  };
  graph.GraphPreferences(1500, 3000);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  // Twips to pixels: the toolbar shows on no window here.
  EXPECT_EQ(responder->ToolPopups[0].X, 100);
  EXPECT_EQ(responder->ToolPopups[0].Y, 200);
  EXPECT_EQ(preferences->pages, std::vector<int>{5});

  preferences->pages.clear();
  responder->OnToolPopup = [](Platform::ToolMenu&) -> std::shared_ptr<Platform::Tool> {
    Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  };
  EXPECT_EQ(Raised([&] { graph.GraphPreferences(0, 0); }), 0);
  graph.ToolBars(nullptr);
  EXPECT_EQ(Raised([&] { graph.GraphPreferences(0, 0); }), 0);
  EXPECT_EQ(responder->ToolPopups.size(), 2u);
}

TEST_F(Interaction, EachPreferenceToolOpensItsPageAndOtherToolsNothing) {
  const auto bars = graph.ToolBars();
  Platform::ToolBarDesign more;
  more.AddTool("Zoom");
  Platform::ApplyDesign(*bars, more);
  for (const char* id : {"Mean", "StdDev", "SpecLimits", "Trends", "Series", "Alarms", "Zoom"}) {
    bars->ToolClicked(bars->FindTool(id));
  }
  EXPECT_EQ(preferences->pages, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(Interaction, TheValueTipShowsTheLabelAndEveryFloatingValue) {
  graph.AddSeries("Rejects", SeriesStyleType::LineGraph);
  AddValues("Rejects", {1, Variant(Runtime::Null), 2});
  graph.Series()->Item("Rejects")->ShowValue(ShowValueType::SingleFloating);
  GraphLabel& tip = host.site->ValueData();
  const float upper = Region("Graph").Y1() + 5;

  // Over a Null point the series shows with no value.
  Move(At(2), upper);
  EXPECT_EQ(tip.Caption(), "Day = 2\r\n\r\nWastage = 7.00\r\nRejects = ");
  EXPECT_TRUE(tip.Visible());
  EXPECT_EQ(tip.Tag(), "2");
  // In the upper left quarter: below the mouse, from the position rightwards.
  EXPECT_FLOAT_EQ(tip.Top(), upper + 15);
  EXPECT_FLOAT_EQ(tip.Left(), At(2));

  // Within one position it stays put.
  Move(At(2) + 3, upper + 20);
  EXPECT_FLOAT_EQ(tip.Top(), upper + 15);

  // In the lower right quarter: above the mouse, leftwards from the position.
  const float lower = Region("Graph").Y2() - 5;
  Move(At(9), lower);
  EXPECT_EQ(tip.Caption(), "Day = 9\r\n\r\nWastage = 1.00");
  EXPECT_FLOAT_EQ(tip.Top(), lower - 45);
  EXPECT_FLOAT_EQ(tip.Left(), At(9) - 40);

  // Outside the plot it hides; over the foot of the chart it is rewritten all
  // the same.
  Move(At(5), Region("Graph").Y2() + 2);
  EXPECT_FALSE(tip.Visible());
  EXPECT_EQ(tip.Caption(), "Day = 5\r\n\r\nWastage = 4.00");

  // Without floating values it does not show.
  Move(At(5), upper);
  EXPECT_TRUE(tip.Visible());
  graph.Series()->Item("Wastage")->ShowValue(ShowValueType::DontShow);
  graph.Series()->Item("Rejects")->ShowValue(ShowValueType::MultipleFixed);
  Move(At(6), upper);
  EXPECT_FALSE(tip.Visible());
}

TEST_F(Interaction, PastTheLastLabelNeitherTipNorBandChanges) {
  graph.XAxis()->Width(20);
  graph.Draw();
  Down(At(10), Middle());
  Move(At(11), Middle());
  const std::string caption = host.site->ValueData().Caption();
  const double width = host.site->SelectBox().Width();
  Move(At(16), Middle());
  EXPECT_EQ(host.site->ValueData().Caption(), caption);
  EXPECT_EQ(host.site->SelectBox().Width(), width);
  EXPECT_EQ(Selected(), (std::vector<int>{10, 11}));
}

TEST_F(Interaction, ArrowsMoveTheCursorOverPositionsWithDataAndScrollItIntoView) {
  graph.Series()->Item("Wastage")->Values()->Item(3)->Y(Variant(Runtime::Null));
  Key(39);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  Key(39);
  EXPECT_EQ(Selected(), std::vector<int>{4}) << "a position without data is passed over";
  Key(39, 1);
  Key(39, 1);
  EXPECT_EQ(Selected(), (std::vector<int>{4, 5, 6}));
  Key(37, 1);
  EXPECT_EQ(Selected(), (std::vector<int>{4, 5}));
  Key(37);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  Key(65);
  EXPECT_EQ(Selected(), std::vector<int>{2}) << "other keys change nothing";

  // The window follows the cursor past its right edge and back.
  for (int i = 0; i < 8; ++i) Key(39);
  EXPECT_EQ(Selected(), std::vector<int>{11});
  EXPECT_EQ(graph.XAxis()->First(), 2);
  EXPECT_EQ(host.site->GXScroll().Value(), 2);
  Key(39);
  Key(39);
  EXPECT_EQ(Selected(), std::vector<int>{12}) << "the cursor stops at the last point";
  EXPECT_EQ(graph.XAxis()->First(), 3);
  for (int i = 0; i < 9; ++i) Key(37);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  EXPECT_EQ(graph.XAxis()->First(), 2);

  Key(39, 1);
  Key(13);
  EXPECT_EQ(log.back(), "SelectPoints 2-4");
  EXPECT_EQ(Selected(), std::vector<int>{2}) << "the first position shown";
}

TEST_F(Interaction, EnterOnAChartWithoutLabelsReportsNothing) {
  graph.Clear();
  graph.Draw();
  Key(13);
  Key(39);
  Key(13);
  EXPECT_TRUE(log.empty());
}

TEST_F(Interaction, TheScrollBarMovesTheWindowAndRedrawsOnlyWhileLocalDraw) {
  host.site->GXScroll().Max(3);
  const size_t drawn = host.Drawings();
  host.site->GXScroll().Value(2);
  EXPECT_EQ(graph.XAxis()->First(), 2);
  EXPECT_EQ(host.Drawings(), drawn + 1);
  graph.LocalDraw(false);
  host.site->GXScroll().Value(3);
  EXPECT_EQ(graph.XAxis()->First(), 3);
  EXPECT_EQ(host.Drawings(), drawn + 1);
}

TEST_F(Interaction, AHandlersErrorLeavesTheControlIdleAndAlive) {
  bool failing = true;
  auto failingHost = graph.SelectPoints.Connect([&](int16_t&, int16_t&) {
    if (failing) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);
  });
  ClickAt(At(4), Middle());
  ClickAt(At(4), Middle());
  ticks->Advance(500);
  ASSERT_EQ(responder->Messages.size(), 1u) << "the error is reported";
  EXPECT_NE(responder->Messages[0].Prompt.find("'11'"), std::string::npos);
  EXPECT_TRUE(Idle());

  // A MouseDown handler's error reaches whoever raised the press.
  Down(At(4), Middle());
  Move(At(6), Middle());
  auto failingDown = graph.MouseDown.Connect([&](int16_t&, int16_t&, float&, float&) {
    if (failing) Runtime::Raise(Runtime::ErrorNumber::Overflow);
  });
  EXPECT_EQ(Raised([&] { Down(At(4), Middle()); }), 6);
  EXPECT_TRUE(Idle());

  failing = false;
  log.clear();
  ClickAt(At(6), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log.back(), "SelectPoints 6-6");
}

TEST_F(Interaction, AHostClosingTheChartInItsHandlerEndsTheHandlerQuietly) {
  auto closing = graph.SelectPoints.Connect([&](int16_t&, int16_t&) { host.UnloadForm(); });
  const float x = At(5), y = Middle();
  ClickAt(At(4), y);
  ticks->Advance(500);
  EXPECT_TRUE(Idle());
  // What the person does while the window goes finds nothing to act on.
  Move(x, y);
  Key(39);
  Down(x, y);
  Up(x, y);
  EXPECT_TRUE(responder->Messages.empty());
}

TEST_F(Interaction, AFailedDrawingLeavesTheControlIdleAndAlive) {
  auto surface = std::make_shared<FailingSurface>(600, 400);
  graph.Frame(surface);
  graph.Draw();
  Down(At(3), Middle());
  surface->failing = true;
  EXPECT_EQ(Raised([&] { Move(At(5), Middle()); }), 5);
  EXPECT_TRUE(Idle());
  EXPECT_EQ(Raised([&] { host.site->GXScroll().Value(2); }), 5);
  EXPECT_EQ(graph.XAxis()->First(), 2);

  surface->failing = false;
  Down(At(4), Middle());
  Move(At(5), Middle());
  Up(At(5), Middle());
  ticks->Advance(500);
  EXPECT_EQ(log.back(), "SelectPoints 4-5");
}
