#include "graph/render/GraphControl.h"

#include <functional>
#include <vector>

#include "graph/render/DetachedGraphSite.h"
#include "platform/gui/Form.h"
#include "platform/gui/ToolBarHosting.h"

namespace Dravex {

namespace {

using MouseEvent = Platform::Event<int16_t&, int16_t&, float&, float&>;

// A mouse event of the window system passed on to the control's. Positions
// come as doubles and go as singles; what the handlers leave goes back.
std::function<void(int16_t&, int16_t&, double&, double&)> Forward(MouseEvent& event) {
  return [&event](int16_t& button, int16_t& shift, double& x, double& y) {
    float singleX = static_cast<float>(x);
    float singleY = static_cast<float>(y);
    event.Raise(button, shift, singleX, singleY);
    x = singleX;
    y = singleY;
  };
}

// A widget of the form in its place, as the Graph moves it.
template <class Interface>
class Placed : public Interface {
 public:
  double Left() const override { return widget_.Left(); }
  double Top() const override { return widget_.Top(); }
  double Width() const override { return widget_.Width(); }
  double Height() const override { return widget_.Height(); }
  void Move(double left, double top, double width, double height) override {
    widget_.Move(left, top, width, height);
  }

 protected:
  explicit Placed(Platform::VisualControl& widget) : widget_(widget) {}

  std::vector<Platform::ScopedConnection> hooks_;

 private:
  Platform::VisualControl& widget_;
};

// A picture box of the form as the Graph uses it.
class WidgetPictureBox : public Placed<GraphPictureBox> {
 public:
  explicit WidgetPictureBox(Platform::PictureBox& box)
      // The box owns its drawing; the Graph lets go of it (Site) before the box
      // goes.
      : Placed(box), box_(box), surface_(std::shared_ptr<void>(), &box.Drawing()) {
    hooks_.emplace_back(box.MouseDown.Connect(Forward(MouseDown)));
    hooks_.emplace_back(box.MouseMove.Connect(Forward(MouseMove)));
    hooks_.emplace_back(box.MouseUp.Connect(Forward(MouseUp)));
    hooks_.emplace_back(box.Click.Connect([this] { Click.Raise(); }));
  }

  std::shared_ptr<Platform::Surface> Surface() override { return surface_; }
  int16_t MousePointer() const override { return static_cast<int16_t>(box_.MousePointer()); }
  void MousePointer(int16_t value) override { box_.SetMousePointer(value); }

 private:
  Platform::PictureBox& box_;
  std::shared_ptr<Platform::Surface> surface_;
};

// The form's horizontal scroll bar as the Graph uses it.
class WidgetScrollBar : public Placed<GraphHScrollBar> {
 public:
  explicit WidgetScrollBar(Platform::HScrollBar& bar) : Placed(bar), bar_(bar) {
    hooks_.emplace_back(bar.Change.Connect([this] { Change.Raise(); }));
    hooks_.emplace_back(bar.Scroll.Connect([this] { Scroll.Raise(); }));
  }

  int16_t Min() const override { return static_cast<int16_t>(bar_.Min()); }
  void Min(int16_t value) override { bar_.SetMin(value); }
  int16_t Max() const override { return static_cast<int16_t>(bar_.Max()); }
  void Max(int16_t value) override { bar_.SetMax(value); }
  int16_t Value() const override { return static_cast<int16_t>(bar_.Value()); }
  void Value(int16_t value) override { bar_.SetValue(value); }
  bool Visible() const override { return bar_.Visible(); }
  void Visible(bool value) override { bar_.SetVisible(value); }
  int16_t SmallChange() const override { return static_cast<int16_t>(bar_.SmallChange()); }
  void SmallChange(int16_t value) override { bar_.SetSmallChange(value); }
  int16_t LargeChange() const override { return static_cast<int16_t>(bar_.LargeChange()); }
  void LargeChange(int16_t value) override { bar_.SetLargeChange(value); }

 private:
  Platform::HScrollBar& bar_;
};

// A shape or label of the form that the Graph shows and hides.
template <class Interface>
class WidgetOverlay : public Placed<Interface> {
 public:
  bool Visible() const override { return widget_.Visible(); }
  void Visible(bool value) override { widget_.SetVisible(value); }

 protected:
  explicit WidgetOverlay(Platform::VisualControl& widget)
      : Placed<Interface>(widget), widget_(widget) {}

 private:
  Platform::VisualControl& widget_;
};

class WidgetShape : public WidgetOverlay<GraphOverlay> {
 public:
  explicit WidgetShape(Platform::Shape& shape) : WidgetOverlay(shape) {}
};

class WidgetLabel : public WidgetOverlay<GraphLabel> {
 public:
  explicit WidgetLabel(Platform::Label& label) : WidgetOverlay(label), label_(label) {}

  std::string Caption() const override { return label_.Caption(); }
  void Caption(const std::string& value) override { label_.SetCaption(value); }
  std::string Tag() const override { return label_.Tag(); }
  void Tag(const std::string& value) override { label_.SetTag(value); }

 private:
  Platform::Label& label_;
};

class WidgetTimer : public GraphTimer {
 public:
  explicit WidgetTimer(Platform::Timer& timer) : timer_(timer) {
    hook_ = timer.Tick.Connect([this] { Tick.Raise(); });
  }

  bool Enabled() const override { return timer_.Enabled(); }
  void Enabled(bool value) override { timer_.SetEnabled(value); }
  int Interval() const override { return timer_.Interval(); }

 private:
  Platform::Timer& timer_;
  Platform::ScopedConnection hook_;
};

}  // namespace

class GraphControl::Site : public GraphSite {
 public:
  explicit Site(GraphControl& control)
      : control_(control),
        canvas_(control.Canvas),
        tempCanvas_(control.TempCanvas),
        scroll_(control.GXScroll),
        selectBox_(control.SelectBox),
        valueData_(control.ValueData),
        dblClickClock_(control.DblClickClock) {
    keys_ = control.KeyDown.Connect(
        [this](int16_t& keyCode, int16_t& shift) { KeyDown.Raise(keyCode, shift); });
  }

  double ScaleWidth() const override { return control_.ScaleWidth(); }
  double ScaleHeight() const override { return control_.ScaleHeight(); }
  GraphPictureBox& Canvas() override { return canvas_; }
  GraphPictureBox& TempCanvas() override { return tempCanvas_; }
  GraphHScrollBar& GXScroll() override { return scroll_; }
  GraphOverlay& SelectBox() override { return selectBox_; }
  GraphLabel& ValueData() override { return valueData_; }
  GraphTimer& DblClickClock() override { return dblClickClock_; }
  Platform::Event<int16_t&>* ParentUnload() override { return &control_.ParentForm().UnloadEvent; }
  void SetFocus() override { control_.ParentForm().SetFocus(); }
  void HostToolBars(Platform::ToolBarControl& bars) override {
    Platform::HostToolBars(bars, control_);
  }

 private:
  GraphControl& control_;
  WidgetPictureBox canvas_;
  WidgetPictureBox tempCanvas_;
  WidgetScrollBar scroll_;
  WidgetShape selectBox_;
  WidgetLabel valueData_;
  WidgetTimer dblClickClock_;
  Platform::ScopedConnection keys_;
};

GraphControl::GraphControl(Platform::Container& host, std::string name, int index)
    : UserControl(host, std::move(name), index) {
  SetScaleMode(Platform::ScaleModes::Pixels);
  // The chart draws its own borders.
  Canvas.SetBorderStyle(0);
  for (Platform::PictureBox* spare : {&TempCanvas, &picText, &Logo, &SP}) {
    spare->SetVisible(false);
  }
  SelectBox.SetVisible(false);
  // The tip grows with the lines of its caption.
  ValueData.SetAutoSize(true);
  ValueData.SetCaption("Label1");
  ValueData.SetBackColor(0x0080FFFF);
  ValueData.SetVisible(false);
  DblClickClock.SetEnabled(false);
  DblClickClock.SetInterval(500);
  GXScroll.SetMin(1);
  GXScroll.SetMax(1);
  GXScroll.SetValue(1);
  GXScroll.SetSmallChange(1);
  GXScroll.SetVisible(false);
  GXScroll.Move(0, 0, ScaleWidth(), DetachedScrollBar::DefaultHeight);

  site_ = std::make_shared<Site>(*this);
  graph_ = Graph::New(site_);
  graph_->UserControl_Resize();
}

GraphControl::~GraphControl() {
  graph_->Site(nullptr);
}

void GraphControl::UserControl_InitProperties() {
  graph_->UserControl_ReadProperties();
}

void GraphControl::UserControl_ReadProperties(Platform::PropertyBag& PropBag) {
  (void)PropBag;
  graph_->UserControl_ReadProperties();
}

void GraphControl::UserControl_Resize() {
  // The notice also comes while the base is made, before the Graph exists.
  if (site_) site_->Resized.Raise();
}

}  // namespace Dravex
