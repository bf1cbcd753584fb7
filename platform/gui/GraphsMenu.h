#pragma once

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/ToolBarDesign.h"

namespace Platform {

// The design of the graph control's own toolbar: no band, and the menu tool
// "Graphs", its context menu, holding the tools that open the graph's
// preferences on a page: "Mean", "StdDev", "SpecLimits", "Trends", "Series" and
// "Alarms", in the order of the pages.
TAVRO_PLATFORM_GUI_API ToolBarDesign GraphsMenuDesign();

}  // namespace Platform
