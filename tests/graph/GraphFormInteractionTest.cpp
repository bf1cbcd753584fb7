// The graph control on a form: its shape, label, timer, keys and toolbar carry
// the person's selection, value tips and menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graph/model/GraphRegion.h"
#include "graph/model/GraphValue.h"
#include "graph/render/GraphControl.h"
#include "graph/render/GraphPreferenceServices.h"
#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/TickSource.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "tests/graph/ScriptedPerson.h"

using namespace Dravex;
using Runtime::Variant;

namespace {

using GraphTest::ChartForm;

class GraphFormInteraction : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    form = std::make_shared<ChartForm>();
    form->Show();
    graph = form->PRDGraph.Object();
    graph->AddSeries("Wastage", SeriesStyleType::BarGraph);
    for (int32_t value : {4, 8, 6, 9, 3}) graph->AddValue("Wastage", value);
    graph->Series()->Item("Wastage")->ShowValue(ShowValueType::SingleFloating);
    graph->Draw();
    heard = graph->SelectPoints.Connect([this](int16_t& from, int16_t& to) {
      selections.push_back(std::to_string(from) + "-" + std::to_string(to));
    });
  }
  void TearDown() override {
    for (Platform::Form* open : Platform::Forms::All()) open->Unload();
  }

  GraphControl& Control() const { return form->PRDGraph; }
  double At(int16_t n) const { return graph->XCoordinate(n); }
  double Middle() const {
    const GraphRegion& plot = *graph->Regions()->Item("Graph");
    return (plot.Y1() + plot.Y2()) / 2;
  }
  void Mouse(Platform::Event<int16_t&, int16_t&, double&, double&>& event, int16_t button, double x,
             double y) {
    int16_t shift = 0;
    event.Raise(button, shift, x, y);
  }
  bool Selected(int16_t position) const {
    return (graph->Series()->Item("Wastage")->Values()->Item(position)->ValueMode() & 1) != 0;
  }

  GraphTest::ScriptedPerson person;
  std::shared_ptr<Platform::ManualTickSource>& ticks = person.ticks;
  std::shared_ptr<Platform::ScriptedResponder>& responder = person.responder;
  std::shared_ptr<GraphTest::PagesAsked>& preferences = person.preferences;
  std::shared_ptr<ChartForm> form;
  std::shared_ptr<Graph> graph;
  Platform::ScopedConnection heard;
  std::vector<std::string> selections;
};

}  // namespace

TEST_F(GraphFormInteraction, ADragShowsTheBandAndTheFormsTimerReportsIt) {
  GraphControl& control = Control();
  Mouse(control.Canvas.MouseDown, 1, At(2), Middle());
  EXPECT_TRUE(control.SelectBox.Visible());
  Mouse(control.Canvas.MouseMove, 1, At(4), Middle());
  EXPECT_DOUBLE_EQ(control.SelectBox.Left(), graph->XCoordinate(2));
  EXPECT_DOUBLE_EQ(control.SelectBox.Width(), graph->XCoordinate(4) - graph->XCoordinate(2));
  EXPECT_TRUE(Selected(3));

  // The tip sizes itself to its lines.
  EXPECT_TRUE(control.ValueData.Visible());
  EXPECT_EQ(control.ValueData.Caption(), "X Axis = 4\r\n\r\nWastage = 9.00");
  EXPECT_GT(control.ValueData.Height(), 0);

  Mouse(control.Canvas.MouseUp, 1, At(4), Middle());
  control.Canvas.Click.Raise();
  EXPECT_FALSE(control.SelectBox.Visible());
  EXPECT_TRUE(control.DblClickClock.Enabled());
  ticks->Advance(500);
  EXPECT_EQ(selections, std::vector<std::string>{"2-4"});
  EXPECT_FALSE(control.DblClickClock.Enabled());
  EXPECT_TRUE(Selected(1));
  EXPECT_FALSE(Selected(3));
}

TEST_F(GraphFormInteraction, KeysOfTheControlMoveTheCursor) {
  int16_t key = 39, shift = 0;
  Control().KeyDown.Raise(key, shift);
  EXPECT_TRUE(Selected(2));
  key = 39;
  shift = 1;
  Control().KeyDown.Raise(key, shift);
  key = 13;
  shift = 0;
  Control().KeyDown.Raise(key, shift);
  EXPECT_EQ(selections, std::vector<std::string>{"2-3"});
}

TEST_F(GraphFormInteraction, TheGraphsMenuPopsUpOverTheControl) {
  responder->OnToolPopup = [](Platform::ToolMenu& menu) {
    return menu.Tools()->Item(Variant("Series"));
  };
  Mouse(Control().Canvas.MouseDown, 2, At(2), Middle());
  graph->GraphPreferences(150, 150);
  ASSERT_EQ(responder->ToolPopups.size(), 2u);
  EXPECT_EQ(preferences->pages, (std::vector<int>{4, 4}));
  EXPECT_NE(graph->ToolBars()->View(), nullptr) << "shown on the control's window";
}
