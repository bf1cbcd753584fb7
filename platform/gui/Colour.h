#pragma once

#include <cstdint>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// A colour as the system stores it: 0x00bbggrr, or 0x02bbggrr (palette-relative;
// the high byte is dropped when drawing), or 0x80000000 | n for system colour n.
using Colour = std::int32_t;

constexpr Colour RGB(int red, int green, int blue) {
  return static_cast<Colour>((static_cast<std::uint32_t>(blue & 0xFF) << 16) |
                             (static_cast<std::uint32_t>(green & 0xFF) << 8) |
                             static_cast<std::uint32_t>(red & 0xFF));
}

constexpr bool IsSystemColour(Colour colour) {
  return (static_cast<std::uint32_t>(colour) & 0x80000000u) != 0;
}

// The system colours by index; SystemColour(n) is the value the system stores.
namespace SystemColours {
inline constexpr int ScrollBars = 0;
inline constexpr int Desktop = 1;
inline constexpr int ActiveTitleBar = 2;
inline constexpr int InactiveTitleBar = 3;
inline constexpr int MenuBar = 4;
inline constexpr int WindowBackground = 5;
inline constexpr int WindowFrame = 6;
inline constexpr int MenuText = 7;
inline constexpr int WindowText = 8;
inline constexpr int TitleBarText = 9;
inline constexpr int ActiveBorder = 10;
inline constexpr int InactiveBorder = 11;
inline constexpr int ApplicationWorkspace = 12;
inline constexpr int Highlight = 13;
inline constexpr int HighlightText = 14;
inline constexpr int ButtonFace = 15;
inline constexpr int ButtonShadow = 16;
inline constexpr int GrayText = 17;
inline constexpr int ButtonText = 18;
inline constexpr int InactiveCaptionText = 19;
inline constexpr int ButtonHighlight = 20;
inline constexpr int DarkShadow3D = 21;
inline constexpr int Light3D = 22;
inline constexpr int InfoText = 23;
inline constexpr int InfoBackground = 24;
inline constexpr int Count = 25;
}  // namespace SystemColours

constexpr Colour SystemColour(int index) {
  return static_cast<Colour>(0x80000000u | static_cast<std::uint32_t>(index));
}

// The plain 0x00bbggrr that a colour draws as: the high byte dropped, a system
// colour looked up in the application's palette (a fixed classic table when no
// application object exists). An unknown system colour index draws black.
TAVRO_PLATFORM_GUI_API std::uint32_t ToRgb(Colour colour);

}  // namespace Platform
