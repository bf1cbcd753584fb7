#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/render/GraphSite.h"
#include "platform/Event.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/Surface.h"
#include "platform/gui/TickSource.h"

namespace Dravex {

// A constituent that is no window: it only keeps its place.
template <class Interface>
class DetachedPlacement : public Interface {
 public:
  double Left() const override { return left_; }
  double Top() const override { return top_; }
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void Move(double left, double top, double width, double height) override {
    left_ = left;
    top_ = top;
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    Moved();
  }

 protected:
  explicit DetachedPlacement(double height = 0) : height_(height) {}
  virtual void Moved() {}

 private:
  double left_ = 0, top_ = 0, width_ = 0, height_;
};

// A picture box that is no window: a surface of its own that it sizes with
// itself. Nobody moves a mouse over it; tests raise its mouse events.
class DRAVEX_API DetachedPictureBox : public DetachedPlacement<GraphPictureBox> {
 public:
  // resize makes the surface width x height of the box's units.
  DetachedPictureBox(std::shared_ptr<Platform::Surface> surface,
                     std::function<void(double width, double height)> resize);
  // A box over an off-screen image, one unit a pixel.
  static std::unique_ptr<DetachedPictureBox> OfImage();
  ~DetachedPictureBox() override;

  std::shared_ptr<Platform::Surface> Surface() override { return surface_; }
  int16_t MousePointer() const override { return mousePointer_; }
  void MousePointer(int16_t value) override { mousePointer_ = value; }

 protected:
  void Moved() override;

 private:
  std::shared_ptr<Platform::Surface> surface_;
  std::function<void(double, double)> resize_;
  int16_t mousePointer_ = 0;
};

// A scroll bar that only keeps its values: Value stays between Min and Max,
// and Change follows every change of it. It starts at Min 1, Max 1, Value 1,
// steps of 1, hidden.
class DRAVEX_API DetachedScrollBar : public DetachedPlacement<GraphHScrollBar> {
 public:
  // The height a horizontal scroll bar has on screen, in pixels.
  static constexpr double DefaultHeight = 17;

  DetachedScrollBar();
  ~DetachedScrollBar() override;

  int16_t Min() const override { return min_; }
  void Min(int16_t value) override;
  int16_t Max() const override { return max_; }
  void Max(int16_t value) override;
  int16_t Value() const override { return value_; }
  void Value(int16_t value) override;
  bool Visible() const override { return visible_; }
  void Visible(bool value) override { visible_ = value; }
  int16_t SmallChange() const override { return smallChange_; }
  void SmallChange(int16_t value) override { smallChange_ = value; }
  int16_t LargeChange() const override { return largeChange_; }
  void LargeChange(int16_t value) override { largeChange_ = value; }

 private:
  void Clamp();

  int16_t min_ = 1;
  int16_t max_ = 1;
  int16_t value_ = 1;
  bool visible_ = false;
  int16_t smallChange_ = 1;
  int16_t largeChange_ = 1;
};

// A rubber band or a tip that is no window: it only keeps its place,
// visibility, caption and tag.
template <class Interface>
class DetachedOverlay : public DetachedPlacement<Interface> {
 public:
  bool Visible() const override { return visible_; }
  void Visible(bool value) override { visible_ = value; }

 private:
  bool visible_ = false;
};

class DRAVEX_API DetachedLabel : public DetachedOverlay<GraphLabel> {
 public:
  std::string Caption() const override { return caption_; }
  void Caption(const std::string& value) override { caption_ = value; }
  std::string Tag() const override { return tag_; }
  void Tag(const std::string& value) override { tag_ = value; }

 private:
  std::string caption_;
  std::string tag_;
};

// A timer of a control on no form: it ticks on the platform's tick source as a
// form's timer does (the window system's timers, or the test's clock), and an
// error escaping a tick is reported, the same one not on every tick. It
// starts disabled.
class DRAVEX_API DetachedTimer : public GraphTimer, public Platform::TickTarget {
 public:
  explicit DetachedTimer(int interval);
  ~DetachedTimer() override;
  DetachedTimer(const DetachedTimer&) = delete;
  DetachedTimer& operator=(const DetachedTimer&) = delete;

  bool Enabled() const override { return source_ != nullptr; }
  void Enabled(bool value) override;
  int Interval() const override { return interval_; }
  void RaiseTick() override;

 private:
  int interval_;
  std::shared_ptr<Platform::TickSource> source_;
  Platform::ReportThrottle throttle_;
};

// The site of a Graph that is on no form: picture boxes of its own (over
// off-screen images unless a maker gives others) and a detached scroll bar.
class DRAVEX_API DetachedGraphSite : public GraphSite {
 public:
  using BoxMaker = std::function<std::unique_ptr<DetachedPictureBox>()>;

  // The size a new control has, in pixels.
  static constexpr double DefaultWidth = 320;
  static constexpr double DefaultHeight = 240;
  // The double-click timer's interval, in milliseconds.
  static constexpr int DblClickInterval = 500;

  explicit DetachedGraphSite(double width = DefaultWidth, double height = DefaultHeight,
                             const BoxMaker& maker = &DetachedPictureBox::OfImage);
  ~DetachedGraphSite() override;

  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  DetachedPictureBox& Canvas() override { return *canvas_; }
  DetachedPictureBox& TempCanvas() override { return *tempCanvas_; }
  DetachedScrollBar& GXScroll() override { return scroll_; }
  DetachedOverlay<GraphOverlay>& SelectBox() override { return selectBox_; }
  DetachedLabel& ValueData() override { return valueData_; }
  DetachedTimer& DblClickClock() override { return dblClickClock_; }
  Platform::Event<int16_t&>* ParentUnload() override { return parentUnload_; }
  void SetFocus() override {}
  void HostToolBars(Platform::ToolBarControl&) override {}

  // Sizes the control, as its host would, and tells the control.
  void Resize(double width, double height);
  // Puts the control on a form, as far as the control can tell: the form's
  // Unload event (nullptr: on none).
  void ParentUnload(Platform::Event<int16_t&>* unload) { parentUnload_ = unload; }

 private:
  double width_;
  double height_;
  std::unique_ptr<DetachedPictureBox> canvas_;
  std::unique_ptr<DetachedPictureBox> tempCanvas_;
  DetachedScrollBar scroll_;
  DetachedOverlay<GraphOverlay> selectBox_;
  DetachedLabel valueData_;
  DetachedTimer dblClickClock_;
  Platform::Event<int16_t&>* parentUnload_ = nullptr;
};

}  // namespace Dravex
