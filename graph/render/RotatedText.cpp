#include "graph/render/RotatedText.h"

#include <cmath>

#include "runtime/Conversions.h"

namespace Dravex {

void DrawRotatedText(Platform::Surface& surface, const std::string& text,
                     const Runtime::Variant& angle, int32_t x, int32_t y,
                     const Runtime::Variant& x2, const Runtime::Variant& y2, bool wordBreak) {
  const int tenths = static_cast<int>(std::trunc(Runtime::CDbl(angle) * 10));
  if (!x2.IsMissing() && !y2.IsMissing()) {
    surface.DrawText(text, x, y, Runtime::CDbl(x2), Runtime::CDbl(y2),
                     wordBreak ? Platform::TextFlags::WordBreak : Platform::TextFlags::Left);
    return;
  }
  surface.DrawRotatedText(text, tenths, x, y);
}

}  // namespace Dravex
