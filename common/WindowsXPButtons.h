#pragma once

namespace Common {

// Prepares the common controls (image lists, progress bars...) before a window
// makes any. Every window calls it first when it is created.
void InitialiseCommonControls();

}  // namespace Common
