#pragma once

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;
class ToolBarControl;
class UserControl;

// Shows the control on a form: on a window of its own (the MDI main window
// among them) the menu bar band is the form's menu bar and the other bands are
// toolbars in a row above its inner area; on an MDI child nothing shows. The
// control's positions and pop-up points are then taken from the top-left
// corner of the window the form lies on. The view lasts as long as the form's
// window, or until the control is hosted again.
TAVRO_PLATFORM_GUI_API void HostToolBars(ToolBarControl& control, Form& form);
// A control that only pops up menus (the graph's): its points are taken from
// the window the user control lies on.
TAVRO_PLATFORM_GUI_API void HostToolBars(ToolBarControl& control, UserControl& host);

}  // namespace Platform
