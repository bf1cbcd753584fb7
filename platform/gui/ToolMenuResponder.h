#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Tool;
class ToolMenu;

// Who answers a toolbar control's pop-up menu: the person (the desktop
// responder shows the menu and waits) or a test. Kept apart from the forms'
// responder for now; it asks the same question of a tool menu.
class TAVRO_PLATFORM_GUI_API ToolMenuResponder {
 public:
  virtual ~ToolMenuResponder();
  // Shows the menu at a point of the screen (pixels) and returns the tool
  // chosen (from the menu or one of its sub-menus), or nullptr.
  virtual std::shared_ptr<Tool> PopupToolMenu(ToolMenu& menu, int screenX, int screenY) = 0;
};

// The responder in use; never null: the desktop responder until one is
// installed.
TAVRO_PLATFORM_GUI_API ToolMenuResponder& CurrentToolMenuResponder();
// Installs a responder (nullptr puts the desktop one back); returns the one
// installed before.
TAVRO_PLATFORM_GUI_API std::shared_ptr<ToolMenuResponder> SetToolMenuResponder(
    std::shared_ptr<ToolMenuResponder> responder);

// The mouse pointer's position on the screen in pixels; (0, 0) without a
// window system.
TAVRO_PLATFORM_GUI_API void PointerPosition(int& screenX, int& screenY);

// Shows a Qt menu of the tools and waits for the person's choice.
class TAVRO_PLATFORM_GUI_API DesktopToolMenuResponder : public ToolMenuResponder {
 public:
  std::shared_ptr<Tool> PopupToolMenu(ToolMenu& menu, int screenX, int screenY) override;
};

// A responder for tests: records each pop-up and lets the test choose.
class TAVRO_PLATFORM_GUI_API ScriptedToolMenuResponder : public ToolMenuResponder {
 public:
  struct Popup {
    const ToolMenu* Menu;
    int X;
    int Y;
  };
  std::vector<Popup> Popups;
  // Chooses the tool; nullptr (or no function) chooses nothing.
  std::function<std::shared_ptr<Tool>(ToolMenu&)> OnPopup;

  std::shared_ptr<Tool> PopupToolMenu(ToolMenu& menu, int screenX, int screenY) override;
};

}  // namespace Platform
