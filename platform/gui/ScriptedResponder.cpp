#include "platform/gui/ScriptedResponder.h"

#include "platform/gui/Form.h"
#include "platform/gui/MsgBox.h"

namespace Platform {

namespace {

template <class T>
std::optional<T> Next(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

// The first button of the kind of box: what pressing Enter on it gives.
int FirstButton(int buttons) {
  switch (buttons & MsgBoxStyles::ButtonsMask) {
    case MsgBoxStyles::AbortRetryIgnore: return MsgBoxResults::Abort;
    case MsgBoxStyles::YesNoCancel:
    case MsgBoxStyles::YesNo: return MsgBoxResults::Yes;
    case MsgBoxStyles::RetryCancel: return MsgBoxResults::Retry;
    default: return MsgBoxResults::OK;
  }
}

}  // namespace

int ScriptedResponder::MessageBox(const std::string& prompt, int buttons,
                                  const std::string& title) {
  Messages.push_back({prompt, buttons, title});
  return Next(MessageAnswers).value_or(FirstButton(buttons));
}

void ScriptedResponder::RunModal(Form& form) {
  ModalForms.push_back(&form);
  if (OnModal) OnModal(form);
  if (form.IsLoaded() && form.Visible()) form.Hide();
}

std::optional<std::string> ScriptedResponder::SaveFile(FileDialogRequest& request) {
  FileRequests.push_back(request);
  if (const auto filter = Next(FilterAnswers)) request.FilterIndex = *filter;
  return Next(FileAnswers).value_or(std::nullopt);
}

bool ScriptedResponder::PrinterSetup(PrinterRequest& request) {
  PrinterRequests.push_back(request);
  const auto answer = Next(PrinterAnswers).value_or(std::nullopt);
  if (!answer) return false;
  request = *answer;
  return true;
}

std::string ScriptedResponder::BrowseForFolder(const std::string& title) {
  FolderTitles.push_back(title);
  return Next(FolderAnswers).value_or(std::string());
}

bool ScriptedResponder::OpenDocument(const std::string& target) {
  OpenedDocuments.push_back(target);
  return OpenDocumentAnswer;
}

Menu* ScriptedResponder::PopupMenu(Menu& menu, int, int) {
  PoppedMenus.push_back(&menu);
  return OnPopup ? OnPopup(menu) : nullptr;
}

std::shared_ptr<Tool> ScriptedResponder::PopupToolMenu(ToolMenu& menu, int screenX, int screenY) {
  ToolPopups.push_back(ToolPopup{&menu, screenX, screenY});
  return OnToolPopup ? OnToolPopup(menu) : nullptr;
}

}  // namespace Platform
