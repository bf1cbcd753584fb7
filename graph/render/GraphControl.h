#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/render/Graph.h"
#include "platform/gui/Label.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/PropertyBag.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Shape.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UserControl.h"

namespace Dravex {

// The graph control on a form: the user control that holds the Graph's
// constituent controls, in pixels, and hands them to it. A host places one on
// its form and drives and listens to its Object.
class DRAVEX_API GraphControl : public Platform::UserControl {
 public:
  GraphControl(Platform::Container& host, std::string name, int index = -1);
  ~GraphControl() override;

  // The control as its hosts drive it and hear its events. It outlives this
  // control if a host keeps it, drawing off screen from then on.
  const std::shared_ptr<Graph>& Object() const { return graph_; }

  // The control persists nothing; reading its properties hooks the host form.
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(Platform::PropertyBag& PropBag) override;
  void UserControl_Resize() override;

  // The constituent controls, as placed at design time. The canvases and the
  // scroll bar are laid out by the Graph; the rest wait hidden for drawing and
  // interaction.
  Platform::PictureBox Canvas{*this, "Canvas"};
  Platform::PictureBox TempCanvas{*this, "TempCanvas"};
  Platform::PictureBox picText{*this, "picText"};
  Platform::PictureBox Logo{*this, "Logo"};
  Platform::Shape SelectBox{*this, "SelectBox"};
  Platform::Label ValueData{*this, "ValueData"};
  Platform::Timer DblClickClock{*this, "DblClickClock"};
  Platform::PictureBox SP{*this, "SP"};
  Platform::HScrollBar GXScroll{*this, "GXScroll"};

 private:
  class Site;

  std::shared_ptr<Site> site_;
  std::shared_ptr<Graph> graph_;
};

}  // namespace Dravex
