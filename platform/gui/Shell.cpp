#include "platform/gui/Shell.h"

#include "platform/gui/Responder.h"

namespace Platform {

bool OpenWithDesktop(const std::string& target) {
  return CurrentResponder().OpenDocument(target);
}

std::string ShowFolderBrowser(const std::string& title) {
  return CurrentResponder().BrowseForFolder(title);
}

}  // namespace Platform
