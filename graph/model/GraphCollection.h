#pragma once

#include "common/KeyedCollection.h"
#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/ObjectAccess.h"

namespace Dravex {

// The keyed collection wrapper every collection class of the model is made of
// (Common::KeyedCollection), counted among the library's objects.
template <class T>
class DRAVEX_API GraphCollection : public Common::KeyedCollection<T, DravexObject> {
 protected:
  GraphCollection() = default;
};

}  // namespace Dravex
