#pragma once

#include "platform/gui/ToolBarDesign.h"

namespace Kordex {

// The main window's menus and toolbars: the menu bar (File, Edit, Reports,
// Graphs, Production Lines, Help), the bands File, Edit, Reports and SPC, the
// report menus the constraint sets show, and the template "ProductionLine" of
// the line tools.
Platform::ToolBarDesign MainToolBarDesign();

}  // namespace Kordex
