#pragma once

#include "common/CountedObject.h"
#include "shortcuts/QuillonApi.h"

namespace Quillon {

// Names the shortcut-bar library's own count of objects.
struct QUILLON_API QuillonObjects {};

// Base of every object of the shortcut-bar library, counted for
// DllCanUnloadNow.
using QuillonObject = Common::CountedObject<QuillonObjects>;

}  // namespace Quillon

extern template class QUILLON_API Common::CountedObject<Quillon::QuillonObjects>;
