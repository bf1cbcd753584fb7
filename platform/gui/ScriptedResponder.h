#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Responder.h"

namespace Platform {

// A responder for tests: it records every request and answers from queues the
// test fills, or with a default when a queue is empty (OK or the box's first
// button, cancel for dialogs, nothing chosen from a menu).
class TAVRO_PLATFORM_GUI_API ScriptedResponder : public Responder {
 public:
  struct MessageRecord {
    std::string Prompt;
    int Buttons;
    std::string Title;
  };

  std::vector<MessageRecord> Messages;
  std::deque<int> MessageAnswers;

  // Runs in place of the person while a modal form is shown; it should end by
  // hiding or unloading the form. A form still shown afterwards is hidden.
  std::function<void(Form&)> OnModal;
  std::vector<Form*> ModalForms;

  std::vector<FileDialogRequest> FileRequests;
  std::deque<std::optional<std::string>> FileAnswers;
  // The file type chosen in the dialog (1-based); none keeps the one it
  // opened with.
  std::deque<int> FilterAnswers;

  std::vector<PrinterRequest> PrinterRequests;
  std::deque<std::optional<PrinterRequest>> PrinterAnswers;

  std::vector<std::string> FolderTitles;
  std::deque<std::string> FolderAnswers;

  std::vector<std::string> OpenedDocuments;
  bool OpenDocumentAnswer = true;

  std::vector<Menu*> PoppedMenus;
  // Chooses an item of the menu popped up; nullptr chooses nothing.
  std::function<Menu*(Menu&)> OnPopup;

  struct ToolPopup {
    const ToolMenu* Menu;
    int X;
    int Y;
  };
  std::vector<ToolPopup> ToolPopups;
  // Chooses the tool of the toolbar control's menu popped up; nullptr (or no
  // function) chooses nothing.
  std::function<std::shared_ptr<Tool>(ToolMenu&)> OnToolPopup;

  int MessageBox(const std::string& prompt, int buttons, const std::string& title) override;
  void RunModal(Form& form) override;
  std::optional<std::string> SaveFile(FileDialogRequest& request) override;
  bool PrinterSetup(PrinterRequest& request) override;
  std::string BrowseForFolder(const std::string& title) override;
  bool OpenDocument(const std::string& target) override;
  Menu* PopupMenu(Menu& menu, int screenX, int screenY) override;
  std::shared_ptr<Tool> PopupToolMenu(ToolMenu& menu, int screenX, int screenY) override;
};

}  // namespace Platform
