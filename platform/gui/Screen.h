#pragma once

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;

// The screen: its size, the pointer over the whole program and the active form.
class TAVRO_PLATFORM_GUI_API Screen {
 public:
  // Size of the primary screen in twips.
  static double Width();
  static double Height();
  static int TwipsPerPixelX();
  static int TwipsPerPixelY();

  // The pointer shown over every window of the program (MousePointers); Default
  // lets each window and control show its own.
  static int MousePointer();
  static void SetMousePointer(int pointer);

  // The pointer's position on the screen in pixels; false when it is unknown.
  static bool CursorPosition(int& x, int& y);

  // The form that has the focus (for an MDI main window, the main window).
  static Form* ActiveForm();
};

// The mouse pointer's position on the screen in pixels; (0, 0) without a
// window system. Unlike Screen::CursorPosition it starts no application, so
// the window-less models (the toolbar control) can ask.
TAVRO_PLATFORM_GUI_API void PointerPosition(int& screenX, int& screenY);

}  // namespace Platform
