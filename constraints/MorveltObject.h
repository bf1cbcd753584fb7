#pragma once

#include <cstdint>

#include "constraints/MorveltApi.h"
#include "runtime/Variant.h"

namespace Morvelt {

// Base of every object of the constraint library. It counts the objects
// alive, so that the library can answer whether it may be unloaded: its code
// must stay loaded while a host still holds any of its objects.
class MORVELT_API MorveltObject : public Runtime::Object {
 public:
  ~MorveltObject() override;

  // The number of objects of the library alive now.
  static int32_t Alive();

 protected:
  MorveltObject();
  MorveltObject(const MorveltObject&);
  MorveltObject& operator=(const MorveltObject&) = default;
};

}  // namespace Morvelt
