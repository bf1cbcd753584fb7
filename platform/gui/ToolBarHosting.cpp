#include "platform/gui/ToolBarHosting.h"

#include <QBoxLayout>
#include <QWidget>

#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/MenuInternal.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarWindow.h"
#include "platform/gui/UserControl.h"

namespace Platform {

namespace {

// A control is shown in one place at a time.
void Unhost(ToolBarControl& control) {
  if (auto* old = dynamic_cast<ToolBarWindow*>(control.View())) {
    old->ControlGone();
    delete old;
  }
}

}  // namespace

void HostToolBars(ToolBarControl& control, Form& form) {
  Unhost(control);
  FormInternal& window = form.Window();
  if (!window.top) {
    new ToolBarWindow(control, *window.Frame());
    return;
  }
  new ToolBarWindow(
      control, *window.top, [&form] { return Gui::MenuBarOf(form); },
      qobject_cast<QBoxLayout*>(window.top->layout()));
}

void HostToolBars(ToolBarControl& control, UserControl& host) {
  Unhost(control);
  new ToolBarWindow(control, *host.Internal().widget);
}

}  // namespace Platform
