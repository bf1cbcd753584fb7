#include "graph/model/DravexObject.h"

template class Common::CountedObject<Dravex::DravexObjects>;
