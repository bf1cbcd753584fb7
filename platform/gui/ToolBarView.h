#pragma once

#include <optional>

namespace Platform {

class Tool;

// What a toolbar-and-menu control needs of whatever shows it: to hear of
// changes, and to say where things are on screen. The Qt layer implements it;
// a control without a view keeps its model and shows nothing.
class ToolBarView {
 public:
  virtual ~ToolBarView() = default;

  // A tool's caption, flags, picture or description changed.
  virtual void ToolChanged(const Tool& tool) = 0;
  // Bands, tool lists or a tool's type changed.
  virtual void LayoutChanged() = 0;
  // The control ends; the view lets it go.
  virtual void ControlGone() = 0;

  // Where the tool shows on a band, in pixels from the top-left corner of the
  // window the control lies on; false while it shows on none.
  virtual bool ToolPosition(const Tool& tool, int& left, int& top, int& height) const = 0;
  // The screen point, in pixels, of (x, y) in twips from the top-left corner of
  // that window, or of the mouse pointer when no point is given.
  virtual void ScreenPoint(std::optional<double> x, std::optional<double> y, int& screenX,
                           int& screenY) const = 0;
};

}  // namespace Platform
