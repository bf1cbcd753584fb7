#include "platform/gui/MsgBox.h"

#include "platform/gui/App.h"
#include "platform/gui/Responder.h"

namespace Platform {

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  return CurrentResponder().MessageBox(prompt, buttons, title.empty() ? App::Title() : title);
}

}  // namespace Platform
