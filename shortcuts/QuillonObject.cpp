#include "shortcuts/QuillonObject.h"

template class Common::CountedObject<Quillon::QuillonObjects>;
