#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;
class Menu;
class Tool;
class ToolMenu;

// What a file dialog is asked to show. The filter is the classic
// "description|pattern|description|pattern" list; Flags are the classic
// open-file-name flags (2 asks before overwriting, 0x800 the path must exist).
struct FileDialogRequest {
  std::string Title;
  std::string Filter;
  int FilterIndex = 1;  // 1-based
  int Flags = 0;
  std::string FileName;
  std::string InitDir;
  std::string DefaultExt;
};

// The printer choices a printer set-up dialog shows and changes.
struct PrinterRequest {
  std::string PrinterName;
  int Copies = 1;
  int Orientation = 1;  // 1 portrait, 2 landscape
  int FromPage = 0;
  int ToPage = 0;
  int Flags = 0;
  // "" for the printer; otherwise the PDF file printed to.
  std::string OutputFileName;
};

// Everything that would wait for a person goes through the responder: message
// boxes, modal forms, the file, folder and printer dialogs, the pop-up menus of
// forms and of the toolbar control, and the desktop's open. The program runs with the desktop
// responder, which shows the real dialogs; tests install one that answers.
class TAVRO_PLATFORM_GUI_API Responder {
 public:
  virtual ~Responder();

  // The button that closes the message box (MsgBoxResults).
  virtual int MessageBox(const std::string& prompt, int buttons, const std::string& title) = 0;
  // Runs while a modal form is shown; returns once the form is hidden or unloaded.
  virtual void RunModal(Form& form) = 0;
  // The chosen file, or nothing when the person cancelled; the request's
  // FilterIndex then holds the file type the person chose.
  virtual std::optional<std::string> SaveFile(FileDialogRequest& request) = 0;
  // False when the person cancelled; otherwise the request holds the choices.
  virtual bool PrinterSetup(PrinterRequest& request) = 0;
  // The chosen folder, or "" when the person cancelled.
  virtual std::string BrowseForFolder(const std::string& title) = 0;
  // Opens a document or an address with the desktop's application for it.
  virtual bool OpenDocument(const std::string& target) = 0;
  // Shows the items of a menu as a pop-up at a point on the screen (pixels) and
  // returns the item chosen, or nullptr.
  virtual Menu* PopupMenu(Menu& menu, int screenX, int screenY) = 0;
  // Shows the tools of a toolbar control's menu as a pop-up at a point on the
  // screen (pixels) and returns the tool chosen (from the menu or one of its
  // sub-menus), or nullptr.
  virtual std::shared_ptr<Tool> PopupToolMenu(ToolMenu& menu, int screenX, int screenY) = 0;
};

// The responder in use. Never null: the desktop responder until one is installed.
TAVRO_PLATFORM_GUI_API Responder& CurrentResponder();
// Installs a responder; nullptr puts the desktop responder back. Returns the one
// installed before.
TAVRO_PLATFORM_GUI_API std::shared_ptr<Responder> SetResponder(
    std::shared_ptr<Responder> responder);

// The responder that shows the real dialogs and runs a nested event loop for a
// modal form.
class TAVRO_PLATFORM_GUI_API DesktopResponder : public Responder {
 public:
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
