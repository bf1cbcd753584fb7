#include "shortcuts/clsRect.h"

namespace Quillon {

clsRect::clsRect() = default;
clsRect::~clsRect() = default;

}  // namespace Quillon
