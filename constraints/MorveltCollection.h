#pragma once

#include "common/KeyedCollection.h"
#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"
#include "graph/model/ObjectAccess.h"

namespace Morvelt {

// The keyed collection wrapper the library's collections of objects are made
// of (Common::KeyedCollection), counted among the library's objects, with the
// collection itself as Col.
template <class T>
class MORVELT_API MorveltCollection : public Common::KeyedCollection<T, MorveltObject> {
 public:
  using Common::KeyedCollection<T, MorveltObject>::Col;

 protected:
  MorveltCollection() = default;
};

}  // namespace Morvelt
