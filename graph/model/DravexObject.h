#pragma once

#include <cstdint>

#include "graph/DravexApi.h"
#include "runtime/Variant.h"

namespace Dravex {

// Base of every object of the graph library. It counts the objects alive, so
// that the library can answer whether it may be unloaded: code of the library
// must stay loaded while a host still holds any of its objects.
class DRAVEX_API DravexObject : public Runtime::Object {
 public:
  ~DravexObject() override;

  // The number of objects of the library alive now.
  static int32_t Alive();

 protected:
  DravexObject();
  DravexObject(const DravexObject&);
  DravexObject& operator=(const DravexObject&) = default;
};

}  // namespace Dravex
