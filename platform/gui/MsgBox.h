#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// Buttons, icon and default button of a message box, summed.
namespace MsgBoxStyles {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton1 = 0;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int ApplicationModal = 0;
inline constexpr int SystemModal = 4096;
inline constexpr int ButtonsMask = 7;
inline constexpr int IconMask = 112;
inline constexpr int DefaultMask = 768;
}  // namespace MsgBoxStyles

// The button a message box was closed with.
namespace MsgBoxResults {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MsgBoxResults

// Shows a message box through the current responder and returns the button the
// answer was. An empty title shows the program's title. Texts are Windows-1252.
TAVRO_PLATFORM_GUI_API int MsgBox(const std::string& prompt, int buttons = MsgBoxStyles::OKOnly,
                                  const std::string& title = {});

}  // namespace Platform
