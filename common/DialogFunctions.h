#pragma once

#include <cstdint>
#include <string>

namespace Common {

// Shows the folder browser owned by the window ownerWindow (0 for none) with
// title, and answers the chosen folder's path, "" when the user cancelled.
// The dialog itself is the forms layer's (platform/gui).
std::string BrowseForFolder(int32_t ownerWindow, const std::string& title);

}  // namespace Common
