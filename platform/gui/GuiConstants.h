#pragma once

#include <cstdint>

// The numbers the forms runtime speaks in: key codes, shift and button masks,
// mouse pointers, window states, unload modes, show modes and alignments.
namespace Platform {

// Twips are the unit of form and control positions: 15 to a pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

namespace ShiftMasks {
inline constexpr int16_t Shift = 1;
inline constexpr int16_t Ctrl = 2;
inline constexpr int16_t Alt = 4;
}  // namespace ShiftMasks

namespace MouseButtons {
inline constexpr int16_t Left = 1;
inline constexpr int16_t Right = 2;
inline constexpr int16_t Middle = 4;
}  // namespace MouseButtons

// Key codes of KeyDown and KeyUp (the classic virtual-key numbers).
namespace KeyCodes {
inline constexpr int16_t Back = 8;
inline constexpr int16_t Tab = 9;
inline constexpr int16_t Return = 13;
inline constexpr int16_t Shift = 16;
inline constexpr int16_t Control = 17;
inline constexpr int16_t Menu = 18;
inline constexpr int16_t Pause = 19;
inline constexpr int16_t Escape = 27;
inline constexpr int16_t Space = 32;
inline constexpr int16_t PageUp = 33;
inline constexpr int16_t PageDown = 34;
inline constexpr int16_t End = 35;
inline constexpr int16_t Home = 36;
inline constexpr int16_t Left = 37;
inline constexpr int16_t Up = 38;
inline constexpr int16_t Right = 39;
inline constexpr int16_t Down = 40;
inline constexpr int16_t Insert = 45;
inline constexpr int16_t Delete = 46;
// "0".."9" are 48..57 and "A".."Z" 65..90, as their characters.
inline constexpr int16_t Numpad0 = 96;
inline constexpr int16_t Multiply = 106;
inline constexpr int16_t Add = 107;
inline constexpr int16_t Subtract = 109;
inline constexpr int16_t Decimal = 110;
inline constexpr int16_t Divide = 111;
inline constexpr int16_t F1 = 112;  // F1..F16 are 112..127
inline constexpr int16_t F5 = 116;
}  // namespace KeyCodes

namespace MousePointers {
inline constexpr int Default = 0;
inline constexpr int Arrow = 1;
inline constexpr int Cross = 2;
inline constexpr int IBeam = 3;
inline constexpr int Icon = 4;
inline constexpr int Size = 5;
inline constexpr int SizeNESW = 6;
inline constexpr int SizeNS = 7;
inline constexpr int SizeNWSE = 8;
inline constexpr int SizeWE = 9;
inline constexpr int UpArrow = 10;
inline constexpr int Hourglass = 11;
inline constexpr int NoDrop = 12;
inline constexpr int ArrowHourglass = 13;
inline constexpr int ArrowQuestion = 14;
inline constexpr int SizeAll = 15;
inline constexpr int Hand = 99;  // the custom pointer of links
}  // namespace MousePointers

namespace WindowStates {
inline constexpr int Normal = 0;
inline constexpr int Minimised = 1;
inline constexpr int Maximised = 2;
}  // namespace WindowStates

// Why a form is being unloaded (QueryUnload).
namespace UnloadModes {
inline constexpr int16_t FormControlMenu = 0;  // the close box or the window menu
inline constexpr int16_t FormCode = 1;         // the program unloads it
inline constexpr int16_t AppWindows = 2;       // the session is ending
inline constexpr int16_t AppTaskManager = 3;
inline constexpr int16_t FormMDIForm = 4;  // its MDI main window is closing
inline constexpr int16_t FormOwner = 5;    // its owner is closing
}  // namespace UnloadModes

namespace ShowModes {
inline constexpr int Modeless = 0;
inline constexpr int Modal = 1;
}  // namespace ShowModes

// Arrange of an MDI main window.
namespace ArrangeModes {
inline constexpr int Cascade = 0;
inline constexpr int TileHorizontal = 1;
inline constexpr int TileVertical = 2;
inline constexpr int ArrangeIcons = 3;
}  // namespace ArrangeModes

// Align of picture boxes and user controls: docked to an edge of the form.
namespace Aligns {
inline constexpr int None = 0;
inline constexpr int Top = 1;
inline constexpr int Bottom = 2;
inline constexpr int Left = 3;
inline constexpr int Right = 4;
}  // namespace Aligns

// Alignment of a label's text.
namespace Alignments {
inline constexpr int LeftJustify = 0;
inline constexpr int RightJustify = 1;
inline constexpr int Center = 2;
}  // namespace Alignments

namespace BorderStyles {
inline constexpr int None = 0;
inline constexpr int FixedSingle = 1;
inline constexpr int Sizable = 2;      // forms only
inline constexpr int FixedDialog = 3;  // forms only
}  // namespace BorderStyles

// Where a form first appears.
namespace StartUpPositions {
inline constexpr int Manual = 0;
inline constexpr int CenterOwner = 1;
inline constexpr int CenterScreen = 2;
inline constexpr int WindowsDefault = 3;
}  // namespace StartUpPositions

// Flags of PopupMenu.
namespace PopupMenuFlags {
inline constexpr int LeftAlign = 0;
inline constexpr int CenterAlign = 4;
inline constexpr int RightAlign = 8;
inline constexpr int LeftButton = 0;
inline constexpr int RightButton = 2;
}  // namespace PopupMenuFlags

}  // namespace Platform
