#include "common/DialogFunctions.h"

#include "platform/gui/Shell.h"

namespace Common {

// The owner window plays no part here: the platform's folder dialog is always
// modal over the program's active window.
std::string BrowseForFolder(int32_t /*ownerWindow*/, const std::string& title) {
  return Platform::ShowFolderBrowser(title);
}

}  // namespace Common
