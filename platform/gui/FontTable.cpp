#include "platform/gui/FontTable.h"

#include <array>

#include "runtime/CaseFold.h"

namespace Platform {

namespace {

constexpr std::array kSubstitutions{
    FontSubstitution{"Arial", "Liberation Sans", false},
    FontSubstitution{"Arial Black", "DejaVu Sans", true},
    FontSubstitution{"MS Sans Serif", "Liberation Sans", false},
    FontSubstitution{"Microsoft Sans Serif", "Liberation Sans", false},
    FontSubstitution{"Helvetica", "Liberation Sans", false},
    FontSubstitution{"System", "DejaVu Sans", false},
    FontSubstitution{"Tahoma", "DejaVu Sans", false},
    FontSubstitution{"Verdana", "DejaVu Sans", false},
    FontSubstitution{"Times New Roman", "Liberation Serif", false},
    FontSubstitution{"MS Serif", "Liberation Serif", false},
    FontSubstitution{"Courier New", "Liberation Mono", false},
    FontSubstitution{"Courier", "Liberation Mono", false},
};

}  // namespace

std::span<const FontSubstitution> FontSubstitutions() {
  return kSubstitutions;
}

const FontSubstitution* FindFontSubstitution(std::string_view name) {
  for (const auto& entry : kSubstitutions) {
    if (Runtime::EqualsNoCase(entry.DesignName, name)) return &entry;
  }
  return nullptr;
}

}  // namespace Platform
