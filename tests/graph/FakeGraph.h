#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "graph/model/GraphHost.h"
#include "graph/model/GraphXAxis.h"

namespace GraphTest {

// A scroll bar that only keeps its values.
class FakeScrollBar : public Dravex::GraphScrollBar {
 public:
  int16_t Min() const override { return min; }
  int16_t Max() const override { return max; }
  void Max(int16_t value) override { max = value; }
  int16_t Value() const override { return value; }
  void Value(int16_t v) override { value = v; }
  bool Visible() const override { return visible; }
  void Visible(bool v) override { visible = v; }

  int16_t min = 1;
  int16_t max = 1;
  int16_t value = 1;
  bool visible = false;
};

// Stands in for the Graph control: owns an X axis the way the control does,
// needs maxWidth positions, and records the events and redraw requests the
// model sends it.
class FakeGraph final : public Dravex::GraphHost {
 public:
  FakeGraph() : xAxis(std::make_shared<Dravex::GraphXAxis>()) { xAxis->SetParent(this); }
  ~FakeGraph() { xAxis->SetParent(nullptr); }

  std::shared_ptr<Dravex::GraphXAxis> XAxis() const override { return xAxis; }
  int16_t MaxWidth() override { return maxWidth; }
  Dravex::GraphScrollBar& XScroll() override { return scroll; }
  bool LocalDraw() const override { return localDraw; }
  void LocalDraw(bool value) override { localDraw = value; }
  Dravex::ScrollBarDirectionType ScrollBarDirection() const override { return direction; }
  void RaiseNumLabels(Dravex::SizeEventType numLabel, bool& labelAction) override {
    numLabels.push_back(numLabel);
    labelAction = answer;
  }
  void RaiseScrollBarSize(Dravex::SizeEventType size, bool& scrollBarAction) override {
    scrollBarSizes.push_back(size);
    localDrawDuringEvent = localDraw;
    scrollBarAction = answer;
  }
  void UserControl_Resize() override { ++resizes; }

  std::shared_ptr<Dravex::GraphXAxis> xAxis;
  int16_t maxWidth = 0;
  FakeScrollBar scroll;
  bool localDraw = true;
  bool localDrawDuringEvent = true;
  Dravex::ScrollBarDirectionType direction = Dravex::ScrollBarDirectionType::ScrollBarRight;
  bool answer = true;  // what the host leaves in the action flag
  std::vector<Dravex::SizeEventType> numLabels;
  std::vector<Dravex::SizeEventType> scrollBarSizes;
  int resizes = 0;
};

}  // namespace GraphTest
