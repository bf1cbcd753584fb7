#include "common/WindowsXPButtons.h"

namespace Common {

// The controls of platform/gui need no start-up of their own; the call stays so
// each window's start-up keeps its designed order.
void InitialiseCommonControls() {}

}  // namespace Common
