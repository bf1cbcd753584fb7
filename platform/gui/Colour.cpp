#include "platform/gui/Colour.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace Platform {

namespace {

struct PaletteEntry {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
  std::uint32_t Classic;  // 0x00bbggrr, used without an application object
};

// The system colours by index, as the palette of the running application gives them.
constexpr std::array<PaletteEntry, SystemColours::Count> kSystemColours{{
    {QPalette::Active, QPalette::Button, 0xC8C8C8},           // scroll bars
    {QPalette::Active, QPalette::Dark, 0x808000},             // desktop
    {QPalette::Active, QPalette::Highlight, 0x800000},        // active title bar
    {QPalette::Inactive, QPalette::Mid, 0x808080},            // inactive title bar
    {QPalette::Active, QPalette::Window, 0xC0C0C0},           // menu bar
    {QPalette::Active, QPalette::Base, 0xFFFFFF},             // window background
    {QPalette::Active, QPalette::Shadow, 0x000000},           // window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},       // menu text
    {QPalette::Active, QPalette::Text, 0x000000},             // window text
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // title bar text
    {QPalette::Active, QPalette::Window, 0xC0C0C0},           // active border
    {QPalette::Inactive, QPalette::Window, 0xC0C0C0},         // inactive border
    {QPalette::Active, QPalette::Dark, 0x808080},             // application workspace
    {QPalette::Active, QPalette::Highlight, 0x800000},        // highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // highlight text
    {QPalette::Active, QPalette::Button, 0xC0C0C0},           // button face
    {QPalette::Active, QPalette::Dark, 0x808080},             // button shadow
    {QPalette::Disabled, QPalette::Text, 0x808080},           // grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},       // button text
    {QPalette::Disabled, QPalette::WindowText, 0xC0C0C0},     // inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},            // button highlight
    {QPalette::Active, QPalette::Shadow, 0x000000},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight, 0xDFDFDF},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText, 0x000000},      // tool-tip text
    {QPalette::Active, QPalette::ToolTipBase, 0xE1FFFF},      // tool-tip background
}};

}  // namespace

std::uint32_t ToRgb(Colour colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  if (!IsSystemColour(colour)) return value & 0x00FFFFFFu;
  const std::uint32_t index = value & 0x7FFFFFFFu;
  if (index >= kSystemColours.size()) return 0;
  const PaletteEntry& entry = kSystemColours[index];
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return entry.Classic;
  }
  const QColor c = QGuiApplication::palette().color(entry.Group, entry.Role);
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

}  // namespace Platform
