#pragma once

#include <span>
#include <string_view>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// One font of the system's design and the installed family that draws it.
struct FontSubstitution {
  std::string_view DesignName;
  std::string_view Family;
  bool Heavy;  // drawn in the family's heaviest weight
};

// The one table of font substitutions.
TAVRO_PLATFORM_GUI_API std::span<const FontSubstitution> FontSubstitutions();

// The substitution for a design font name (compared without regard to case), or
// nullptr when the name is no design font.
TAVRO_PLATFORM_GUI_API const FontSubstitution* FindFontSubstitution(std::string_view name);

}  // namespace Platform
