#include "common/CollectionFunctions.h"

#include "runtime/Error.h"

namespace Common {

using Runtime::Variant;

Variant InCollection(const Runtime::Collection& items, const Variant& value, int16_t mode) {
  bool found = true;
  try {
    items.Item(value);
  } catch (const Runtime::Error&) {
    found = false;
  }
  if (mode != 1) return Variant(found);
  if (!found) return Variant();

  const Variant& keyed = items.Item(value);
  int16_t position = 0;
  for (const Variant& item : items) {
    ++position;
    if (item.IsObject() || keyed.IsObject()) {
      if (Runtime::Is(item, keyed)) return Variant(position);
      continue;
    }
    const Variant equal = Runtime::Eq(item, keyed);
    if (equal.Kind() == Runtime::VarType::Boolean && equal.GetBoolean()) return Variant(position);
  }
  return Variant();
}

}  // namespace Common
