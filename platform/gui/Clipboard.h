#pragma once

#include <string>
#include <string_view>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

enum class ClipboardFormat { Text = 1, Bitmap = 2, RichText = 0xBF01 };

// The system clipboard. Several formats can be on it at once: each Set adds its
// format to those the program put there since it last cleared it, so a copy
// clears first and then sets each format. After a Clear the clipboard reads as
// empty; the desktop's is emptied when the event loop turns with no Set since.
// Text is Windows-1252; rich text is the RTF document's bytes. Needs a
// QGuiApplication.
class TAVRO_PLATFORM_GUI_API Clipboard {
 public:
  static void Clear();
  // Format Text or RichText; any other raises error 5.
  static void SetText(std::string_view text, ClipboardFormat format = ClipboardFormat::Text);
  // "" when the format is not on the clipboard.
  static std::string GetText(ClipboardFormat format = ClipboardFormat::Text);
  static void SetData(const Picture& picture);
  // No picture when there is none on the clipboard.
  static Picture GetData();
  static bool GetFormat(ClipboardFormat format);
};

}  // namespace Platform
