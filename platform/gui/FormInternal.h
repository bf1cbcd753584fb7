#pragma once

// The windows of a form; used only inside the Qt layer.

#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/gui/Surface.h"

namespace Platform {

class Container;
class Form;
class Timer;
class UserControl;
class VisualControl;

struct FormInternal {
  // A top-level form's window (also the MDI main window's), or the frame of an
  // MDI child in the main window's child area.
  QPointer<QWidget> top;
  QPointer<QMdiSubWindow> sub;
  // The inner area: the controls' parent.
  QPointer<QWidget> client;
  QPointer<QMenuBar> menuBar;
  QPointer<QMdiArea> mdiArea;
  QEventLoop* modalLoop = nullptr;

  // The control with the focus, or the last one that had it while the window
  // is inactive.
  VisualControl* focus = nullptr;
  // A control whose Validate refused to let the focus go: it gets it back.
  VisualControl* validateBlock = nullptr;
  // The visual controls in tab order.
  std::vector<VisualControl*> tabOrder;

  std::unique_ptr<Surface> surface;
  // Started and stopped with the form's loading.
  std::vector<Timer*> timers;
  // Read their properties when the form loads.
  std::vector<UserControl*> userControls;

  QWidget* Frame() const { return sub ? static_cast<QWidget*>(sub) : top.data(); }
};

namespace Gui {

// The loaded-forms collection: a form joins at Load and leaves at Unload; what
// kept it alive is let go once the event loop is back.
void AddLoaded(Form& form);
void RemoveLoaded(Form& form);
// Ends RunApplication once no form is loaded.
void QuitIfNoForms();

// Docks the aligned controls of a container to its edges, in the order they
// were made; returns the room left in the middle (pixels of the inner area).
QRect LayoutAligned(Container& container);

}  // namespace Gui

}  // namespace Platform
