#pragma once

#include "platform/gui/Picture.h"

namespace Kordex::DateMacroIcons {

// The shortcut icons of the date-range dialog, 32 x 32: a desk-calendar page,
// and the same page with a pencil for the macro editor's shortcut.
Platform::Picture Calendar();
Platform::Picture CalendarEdit();

}  // namespace Kordex::DateMacroIcons
