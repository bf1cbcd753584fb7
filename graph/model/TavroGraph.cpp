#include "graph/model/TavroGraph.h"

#include <array>

#include "runtime/Error.h"

namespace Dravex::TavroGraph {

namespace {

// The classic 16-colour palette, 0x00bbggrr.
constexpr std::array<GraphColour, 16> Palette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// The first series take the light colours, which stand out on the grey plot
// area; the dark ones follow.
int32_t PaletteIndex(int32_t n) {
  if (n >= 1 && n <= 3) return n + 8;
  if (n == 4) return 13;
  if (n >= 5 && n <= 8) return n - 5;
  if (n >= 9 && n <= 10) return n - 4;
  return n % 16;
}

}  // namespace

GraphColour ColourValue(GraphColour colour) {
  return colour;
}

GraphColour DefaultSeriesColour(int32_t n) {
  if (n < 0) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  return Palette[static_cast<size_t>(PaletteIndex(n))];
}

}  // namespace Dravex::TavroGraph
