#include "viewer/data/ChartPreferenceName.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "common/StringFunctions.h"
#include "runtime/Strings.h"

namespace Kordex {

std::string GetChartPreferenceName(const std::string& Caption) {
  // First word (upper case) and how many leading words make the name; tested
  // in this order, each against the whole first word.
  static constexpr std::array<std::pair<std::string_view, int16_t>, 6> kWordsKept{{
      {"PERCENTAGE", 5},
      {"COMPONENT", 4},
      {"EFFICIENCY", 3},
      {"ACCUMULATED", 5},
      {"PANEL", 4},
      {"PRODUCTIVITY", 3},
  }};
  const std::string first = Runtime::UCase(Common::GetField(1, Caption, " "));
  for (const auto& [word, kept] : kWordsKept) {
    if (first != word) continue;
    // Words past the caption's end are empty but keep their joining blanks.
    std::string name = Common::GetField(1);
    for (int16_t i = 2; i <= kept; ++i) name += " " + Common::GetField(i);
    return name;
  }
  return "";
}

}  // namespace Kordex
