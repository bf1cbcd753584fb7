#include "graph/model/CollectionFunctions.h"

#include <memory>

#include "graph/model/ObjectAccess.h"

namespace Dravex::CollectionFunctions {

using Runtime::Variant;

namespace {

Variant SortValue(const Variant& item, const Common::ValueOf& property) {
  if (!property) return item;
  Variant value = property(item);
  return value.IsNull() ? Variant(int16_t{0}) : value;
}

// True when a goes before b in that direction.
bool TakeFirst(const Variant& a, const Variant& b, int16_t direction) {
  if (direction == SortAscending) return Runtime::IsTrue(Runtime::Lt(a, b));
  if (direction == SortDescending) return Runtime::IsTrue(Runtime::Gt(a, b));
  return false;
}

}  // namespace

Runtime::CollectionRef SortCollection(const Runtime::CollectionRef& items,
                                      const Common::ValueOf& property, int16_t direction) {
  const int32_t count = items->Count();
  if (count <= 1) return items;
  int16_t from = 1;
  int16_t half = Count16(count / 2);
  const Runtime::CollectionRef lower = SubCollection(*items, from, half);
  int16_t upperFrom = Count16(half + 1);
  int16_t to = Count16(count);
  const Runtime::CollectionRef upper = SubCollection(*items, upperFrom, to);
  return MergeCollections(*SortCollection(lower, property, direction),
                          *SortCollection(upper, property, direction), property, direction);
}

Runtime::CollectionRef SubCollection(const Runtime::Collection& items, int16_t& from, int16_t& to) {
  const int16_t count = Count16(items.Count());
  if (from < 1) from = 1;
  if (from > count) from = count;
  if (to > count || to < from) to = count;
  auto result = std::make_shared<Runtime::Collection>();
  for (int32_t i = from; i <= to; ++i) result->Add(items.Item(Variant(i)));
  return result;
}

Runtime::CollectionRef MergeCollections(Runtime::Collection& first, Runtime::Collection& second,
                                        const Common::ValueOf& property, int16_t direction) {
  auto result = std::make_shared<Runtime::Collection>();
  // Walked by position and emptied at the end rather than item by item from the
  // front, which would move every item behind on each step.
  const int32_t firstCount = first.Count();
  const int32_t secondCount = second.Count();
  int32_t i = 1;
  int32_t j = 1;
  while (i <= firstCount || j <= secondCount) {
    bool fromFirst = j > secondCount;
    if (i <= firstCount && j <= secondCount) {
      fromFirst = direction == SortNone ||
                  TakeFirst(SortValue(first.Item(Variant(i)), property),
                            SortValue(second.Item(Variant(j)), property), direction);
    }
    result->Add(fromFirst ? first.Item(Variant(i++)) : second.Item(Variant(j++)));
  }
  first.Clear();
  second.Clear();
  return result;
}

}  // namespace Dravex::CollectionFunctions
