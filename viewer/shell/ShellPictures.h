#pragma once

#include <string>

#include "platform/gui/Picture.h"

namespace Kordex {

// The viewer's own pictures, drawn once when first asked for: the toolbar
// tools by tool identifier ("Save", "Print", "CompWast", "ProductionLine"...),
// the shortcut icons ("Cog", "Clock", "Trash", "IC", "Counter") and the
// window icon ("Viewer"). An unknown key gives no picture.
Platform::Picture ShellPicture(const std::string& Key);

}  // namespace Kordex
