#pragma once

#include "common/CountedObject.h"
#include "constraints/MorveltApi.h"

namespace Morvelt {

// Names the constraint library's own count of objects.
struct MORVELT_API MorveltObjects {};

// Base of every object of the constraint library, counted for
// DllCanUnloadNow.
using MorveltObject = Common::CountedObject<MorveltObjects>;

}  // namespace Morvelt

extern template class MORVELT_API Common::CountedObject<Morvelt::MorveltObjects>;
