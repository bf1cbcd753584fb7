#pragma once

#include <cstdint>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Common {

// Membership and position on a keyed collection.
// Mode 1: the 1-based position (Integer) of the item stored under the key
// Value, Empty when the key is absent; the first position whose item is that
// item (objects by identity, other values by equality) wins.
// Any other mode: True when Items(Value) can be looked up (a text is a key, a
// number a position), False otherwise.
Runtime::Variant InCollection(const Runtime::Collection& items, const Runtime::Variant& value,
                              int16_t mode = 0);

}  // namespace Common
