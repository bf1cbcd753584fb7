#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/KeyedCollection.h"
#include "runtime/Error.h"
#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonObject.h"

namespace Quillon {

// The keyed collection wrapper of the bar's groups and shortcuts, counted
// among the library's objects, with the key test both share.
template <class T>
class QUILLON_API QuillonCollection : public Common::KeyedCollection<T, QuillonObject> {
 public:
  // -1 when an item has the key, else 0; with FindPosition its position, else
  // 0. Never raises for a missing key.
  int16_t ExistsKey(const std::string& Key, bool FindPosition = false) const {
    std::shared_ptr<T> found;
    try {
      found = this->Item(Runtime::Variant(Key));
    } catch (const Runtime::Error&) {
      return 0;
    }
    if (!FindPosition) return -1;
    for (int16_t i = 1; i <= this->Count(); ++i)
      if (this->Item(Runtime::Variant(i)) == found) return i;
    return 0;
  }

 protected:
  QuillonCollection() = default;
};

}  // namespace Quillon
