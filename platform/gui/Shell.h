#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// Opens a file or an address (http:, mailto:...) with the desktop's program for
// it, through the responder. False when nothing could open it.
TAVRO_PLATFORM_GUI_API bool OpenWithDesktop(const std::string& target);

// Lets the person choose a folder (only folders of the file system), through the
// responder. The folder without a separator at the end, or "" when cancelled.
TAVRO_PLATFORM_GUI_API std::string ShowFolderBrowser(const std::string& title);

}  // namespace Platform
