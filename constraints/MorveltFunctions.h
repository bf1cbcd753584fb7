#pragma once

#include <cstdint>
#include <string>

#include "constraints/MorveltApi.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Morvelt {

// The library's search of a collection. Visits every item of col (nothing
// gives False) and compares it with value:
// - value an object: the item itself, or the item's property named property
//   when property is not "", matches when it is that very object;
// - value not an object: the item, or its named property, matches when it
//   equals value; objects never match.
// Every match is remembered, so the result is the 1-based position (Integer) of
// the last match when mode is not 0, True when mode is 0, and Empty when
// nothing matched. A property that an item does not have raises 438.
MORVELT_API Runtime::Variant FindInCollection(const Runtime::Collection* col,
                                              const Runtime::Variant& value,
                                              const std::string& property, int16_t mode);

// Reads a property of one of the library's objects by its name (without regard
// to case), as a late-bound caller does. 438 for a name the object does not
// have, 424 when object is no object.
MORVELT_API Runtime::Variant PropertyByName(const Runtime::Variant& object,
                                            const std::string& name);

// The object it is given: one more reference to the same object.
MORVELT_API Runtime::ObjectRef GetObjectRef(const Runtime::ObjectRef& object);

// prefix, then the library's major, minor and revision numbers as plain
// decimals joined by "." ("V3.1.15").
MORVELT_API std::string VersionText(const std::string& prefix);

}  // namespace Morvelt
