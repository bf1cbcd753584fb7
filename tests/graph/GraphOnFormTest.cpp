#include <gtest/gtest.h>

#include <memory>

#include "graph/render/GraphControl.h"
#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Forms.h"
#include "tests/graph/ScriptedPerson.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

using GraphTest::ChartForm;

class GraphOnForm : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    form->Show();
  }
  void TearDown() override {
    for (Platform::Form* open : Platform::Forms::All()) open->Unload();
  }

  std::shared_ptr<ChartForm> form = std::make_shared<ChartForm>();
  GraphControl& control = form->PRDGraph;
  std::shared_ptr<Graph> graph = control.Object();
};

}  // namespace

TEST_F(GraphOnForm, TheCanvasFillsTheControlAboveItsScrollBar) {
  EXPECT_EQ(graph->Frame().get(), &control.Canvas.Drawing());
  EXPECT_FALSE(control.GXScroll.Visible());
  EXPECT_FALSE(control.ValueData.Visible());
  EXPECT_EQ(control.ValueData.Caption(), "Label1");
  EXPECT_FALSE(control.DblClickClock.Enabled());
  EXPECT_EQ(control.DblClickClock.Interval(), 500);
  EXPECT_EQ(control.Canvas.Width(), control.ScaleWidth());
  EXPECT_EQ(control.Canvas.Height(), control.ScaleHeight());
  EXPECT_EQ(graph->Regions()->Item("Window")->X2(), graph->Frame()->ScaleWidth());

  graph->AddSeries("Wastage", SeriesStyleType::LineGraph);
  for (int32_t i = 1; i <= 11; ++i) graph->AddValue("Wastage", i);
  EXPECT_TRUE(control.GXScroll.Visible());
  EXPECT_EQ(control.GXScroll.Max(), 2);
  EXPECT_EQ(control.GXScroll.Value(), 2);
  EXPECT_EQ(graph->XAxis()->First(), 2);
  EXPECT_EQ(control.Canvas.Height(), control.ScaleHeight() - control.GXScroll.Height());
  EXPECT_EQ(control.GXScroll.Top(), control.Canvas.Height());

  // The person moves the scroll bar.
  control.GXScroll.SetValue(1);
  EXPECT_EQ(graph->XAxis()->First(), 1);
}

TEST_F(GraphOnForm, MouseEventsOfTheCanvasReachTheHost) {
  float seenX = 0;
  auto listening = graph->MouseDown.Connect([&](int16_t&, int16_t&, float& x, float&) {
    seenX = x;
    x = 3;
  });
  int16_t button = 1, shift = 0;
  double x = 12.5, y = 7;
  control.Canvas.MouseDown.Raise(button, shift, x, y);
  EXPECT_EQ(seenX, 12.5f);
  EXPECT_EQ(x, 3);
}

TEST_F(GraphOnForm, TheFormsUnloadReleasesTheTreeAndAKeptGraphDrawsOffScreen) {
  graph->AddSeries("Wastage", SeriesStyleType::LineGraph);
  form->Unload();
  EXPECT_EQ(Raised([&] { graph->Series(); }), Runtime::ErrorNumber::ObjectNotSet);

  form.reset();
  graph->Clear();
  graph->AddSeries("Wastage", SeriesStyleType::LineGraph);
  graph->AddValue("Wastage", int32_t{1});
  graph->Draw();
  EXPECT_EQ(graph->CountValue("Wastage"), 1);
}

TEST_F(GraphOnForm, ClosingTheWindowFromAHandlerLeavesTheControlWhole) {
  auto closing = graph->Click.Connect([&] { form->Unload(); });
  control.Canvas.Click.Raise();
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(Raised([&] { graph->XAxis(); }), Runtime::ErrorNumber::ObjectNotSet);
}
