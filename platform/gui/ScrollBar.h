#pragma once

#include <string>

#include "platform/Event.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A scroll bar: Value runs from Min to Max (Max may be below Min: the bar then
// runs the other way). A Value outside the range is clamped into it. Change runs
// after every change of Value: a click on an arrow or the track, the end of a
// drag of the thumb, or the program setting Value (or Min or Max moving Value).
// Scroll runs while the thumb is dragged.
class TAVRO_PLATFORM_GUI_API ScrollBar : public VisualControl {
 public:
  ~ScrollBar() override;

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Value() const { return value_; }
  void SetValue(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change);

  Event<> Change;
  Event<> Scroll;

  void CopyFrom(const VisualControl& model) override;

  // The window system's notices: the person moved the bar to a position of
  // the widget; dragging tells a drag of the thumb from a finished move.
  void NoticeMoved(int widgetValue, bool dragging);

 protected:
  ScrollBar(Container& container, std::string name, int index, bool horizontal);

 private:
  void ShowRange();
  void SetValueFrom(int value, bool raise);

  int min_ = 0;
  int max_ = 32767;
  int value_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  // The thumb was dragged since the last Change.
  bool dragged_ = false;
};

class TAVRO_PLATFORM_GUI_API HScrollBar : public ScrollBar {
 public:
  HScrollBar(Container& container, std::string name, int index = -1);
};

class TAVRO_PLATFORM_GUI_API VScrollBar : public ScrollBar {
 public:
  VScrollBar(Container& container, std::string name, int index = -1);
};

}  // namespace Platform
