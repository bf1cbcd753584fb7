#pragma once

#include <cstdint>
#include <string>

#include "graph/DravexApi.h"
#include "platform/gui/Surface.h"
#include "runtime/Variant.h"

namespace Dravex {

// Draws text in the surface's current font and colour, turned counter-clockwise
// by angle degrees (tenths count; anything finer is cut off, not rounded)
// about the top-left corner of the unturned text, which lies at (x, y). With
// both x2 and y2 given the text goes unturned into the rectangle (x, y) to
// (x2, y2), broken into lines at word ends when wordBreak is set.
DRAVEX_API void DrawRotatedText(Platform::Surface& surface, const std::string& text,
                                const Runtime::Variant& angle, int32_t x, int32_t y,
                                const Runtime::Variant& x2 = Runtime::Variant::Missing(),
                                const Runtime::Variant& y2 = Runtime::Variant::Missing(),
                                bool wordBreak = false);

}  // namespace Dravex
