#pragma once

#include "common/CountedObject.h"
#include "graph/DravexApi.h"

namespace Dravex {

// Names the graph library's own count of objects.
struct DRAVEX_API DravexObjects {};

// Base of every object of the graph library, counted for DllCanUnloadNow.
using DravexObject = Common::CountedObject<DravexObjects>;

}  // namespace Dravex

extern template class DRAVEX_API Common::CountedObject<Dravex::DravexObjects>;
