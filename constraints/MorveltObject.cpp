#include "constraints/MorveltObject.h"

template class Common::CountedObject<Morvelt::MorveltObjects>;
