#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;

// The window system of the process. A program starts it with its arguments;
// anything that needs it (a form, a message box) starts it on first use, so
// tests need no set-up of their own.
TAVRO_PLATFORM_GUI_API void InitialiseApplication(int& argc, char** argv);
TAVRO_PLATFORM_GUI_API void EnsureApplication();

// Runs the event loop until the last loaded form is unloaded; returns the exit
// code.
TAVRO_PLATFORM_GUI_API int RunApplication();

// The whole run of a program whose main form makeMain makes: starts the window
// system with the program's arguments, loads the main form, runs the event loop
// until the last form is unloaded, lets the main form go (its windows need the
// window system) and then ends the window system. Returns the exit code.
TAVRO_PLATFORM_GUI_API int RunProgram(int& argc, char** argv,
                                      const std::function<std::shared_ptr<Form>()>& makeMain);

// Ends the window system the program started, once the program holds no form
// of its own: unloads the forms still loaded, lets go of the unloaded ones and
// destroys the application object, which hands what the program put on the
// clipboard to the desktop. An application object made by someone else stays.
TAVRO_PLATFORM_GUI_API void ShutdownApplication();

// Lets the window system handle what is waiting (painting, input, timers) and
// returns the number of loaded forms.
TAVRO_PLATFORM_GUI_API int DoEvents();

// Waits until the window system has taken the windows the program hid, showed
// or moved, and paints what that uncovered: for work that gives it no turn for
// a while after a dialog closes. Handles what is waiting as DoEvents does.
TAVRO_PLATFORM_GUI_API void RefreshScreen();

// Sends keys to the control with the focus, as if typed, after the handler
// running now: "{TAB}", "{ENTER}", "{ESC}", "{BACKSPACE}", "{F1}".."{F12}" and
// plain characters; "+" before a key holds Shift, "^" Ctrl, "%" Alt.
TAVRO_PLATFORM_GUI_API void SendKeys(const std::string& keys);

// The common controls need no initialising on this platform.
TAVRO_PLATFORM_GUI_API void InitialiseCommonControls();

}  // namespace Platform
