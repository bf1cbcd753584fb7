#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphHost.h"
#include "platform/Event.h"
#include "platform/gui/Surface.h"

namespace Platform {
class ToolBarControl;
}

// What the Graph control uses of the controls it is made of and of the form
// that hosts it. A control on a form gets them from its widgets; a control
// made without a form (by its class factory, or in a test) from a detached
// site (DetachedGraphSite.h). Sizes and positions are in the control's units,
// the units its canvas draws in.

namespace Dravex {

// Where a constituent control lies in the control.
class DRAVEX_API GraphPlacement {
 public:
  virtual ~GraphPlacement();

  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void Move(double left, double top, double width, double height) = 0;
};

// A picture box of the control: the Canvas it draws on, and the spare one that
// keeps the Canvas's place. The window system raises its mouse events (button,
// shift, x, y in the box's units).
class DRAVEX_API GraphPictureBox : public GraphPlacement {
 public:
  // The surface drawn on; it follows the box's size.
  virtual std::shared_ptr<Platform::Surface> Surface() = 0;
  virtual int16_t MousePointer() const = 0;
  virtual void MousePointer(int16_t value) = 0;

  Platform::Event<int16_t&, int16_t&, float&, float&> MouseDown;
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseMove;
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseUp;
  Platform::Event<> Click;
};

// The horizontal scroll bar below the Canvas. Change follows every change of
// Value (by the person or by code, a Value clamped by a new Min or Max
// included); Scroll follows the thumb while it is dragged.
class DRAVEX_API GraphHScrollBar : public GraphScrollBar, public GraphPlacement {
 public:
  using GraphScrollBar::Min;
  virtual void Min(int16_t value) = 0;
  virtual int16_t SmallChange() const = 0;
  virtual void SmallChange(int16_t value) = 0;
  virtual int16_t LargeChange() const = 0;
  virtual void LargeChange(int16_t value) = 0;

  Platform::Event<> Change;
  Platform::Event<> Scroll;
};

// A constituent over the Canvas that the control shows and hides: the rubber
// band of a selection (SelectBox).
class DRAVEX_API GraphOverlay : public GraphPlacement {
 public:
  virtual bool Visible() const = 0;
  virtual void Visible(bool value) = 0;
};

// The value tip (ValueData): a label over the Canvas. On a form it takes the
// size of its caption.
class DRAVEX_API GraphLabel : public GraphOverlay {
 public:
  virtual std::string Caption() const = 0;
  virtual void Caption(const std::string& value) = 0;
  virtual std::string Tag() const = 0;
  virtual void Tag(const std::string& value) = 0;
};

// The timer that tells a single from a double click (DblClickClock): Tick
// every Interval milliseconds while it is enabled.
class DRAVEX_API GraphTimer {
 public:
  virtual ~GraphTimer();

  virtual bool Enabled() const = 0;
  virtual void Enabled(bool value) = 0;
  virtual int Interval() const = 0;

  Platform::Event<> Tick;
};

// Where a Graph lives: its size, its constituent controls and its host form.
class DRAVEX_API GraphSite {
 public:
  virtual ~GraphSite();

  // The size of the control's inner area.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual GraphPictureBox& Canvas() = 0;
  virtual GraphPictureBox& TempCanvas() = 0;
  virtual GraphHScrollBar& GXScroll() = 0;
  virtual GraphOverlay& SelectBox() = 0;
  virtual GraphLabel& ValueData() = 0;
  virtual GraphTimer& DblClickClock() = 0;
  // The Unload event of the form that hosts the control; nullptr when the
  // control is not on a form.
  virtual Platform::Event<int16_t&>* ParentUnload() = 0;
  // Gives the focus to the form that hosts the control; nothing on no form.
  virtual void SetFocus() = 0;
  // Shows the control's toolbar-and-menu control on the window the control
  // lies on, which places its pop-up menus; nothing on no form.
  virtual void HostToolBars(Platform::ToolBarControl& bars) = 0;

  // The control was resized.
  Platform::Event<> Resized;
  // A key went down while the control or one of its constituents had the
  // focus: key code and shift keys.
  Platform::Event<int16_t&, int16_t&> KeyDown;
};

}  // namespace Dravex
