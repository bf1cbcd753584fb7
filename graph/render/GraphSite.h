#pragma once

#include <cstdint>
#include <memory>

#include "graph/DravexApi.h"
#include "graph/model/GraphHost.h"
#include "platform/Event.h"
#include "platform/gui/Surface.h"

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
  // The Unload event of the form that hosts the control; nullptr when the
  // control is not on a form.
  virtual Platform::Event<int16_t&>* ParentUnload() = 0;

  // The control was resized.
  Platform::Event<> Resized;
};

}  // namespace Dravex
