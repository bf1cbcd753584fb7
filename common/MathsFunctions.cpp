#include "common/MathsFunctions.h"

#include "common/Moments.h"
#include "runtime/Conversions.h"

namespace Common {

using Runtime::Variant;

namespace {

Variant ValueAt(const Variant& item, const ValueOf& property) {
  return property ? property(item) : item;
}

}  // namespace

Variant SumOf(const Runtime::Collection& items, const ValueOf& property) {
  Variant sum(int16_t{0});
  for (const Variant& item : items) {
    if (property) {
      const Variant value = property(item);
      if (!value.IsNull()) sum = sum + value;
    } else {
      sum = sum + item;
    }
  }
  return sum;
}

int16_t CountOf(const Runtime::Collection& items, const ValueOf& property, bool skipNulls) {
  int32_t count = 0;
  for (const Variant& item : items) {
    if (!skipNulls || !ValueAt(item, property).IsNull()) ++count;
  }
  return Runtime::CInt(Variant(count));
}

Variant MeanOf(const Runtime::Collection& items, const ValueOf& property) {
  return Moments(items, property).Mean();
}

Variant SumOfProducts(const Runtime::Collection& itemsA, const Runtime::Collection& itemsB,
                      const ValueOf& propertyA, const ValueOf& propertyB) {
  if (itemsA.Count() != itemsB.Count()) return Variant(int16_t{0});
  Variant sum(int16_t{0});
  auto a = itemsA.begin();
  auto b = itemsB.begin();
  for (; a != itemsA.end(); ++a, ++b) {
    Variant va = ValueAt(*a, propertyA);
    Variant vb = ValueAt(*b, propertyB);
    if (va.IsNull()) va = Variant(int16_t{0});
    if (vb.IsNull()) vb = Variant(int16_t{0});
    sum = sum + va * vb;
  }
  return sum;
}

Variant SumOfSquares(const Runtime::Collection& items, const ValueOf& property) {
  return SumOfProducts(items, items, property, property);
}

Variant StdDevOf(const Runtime::Collection& items, int32_t mode, const ValueOf& property) {
  return Moments(items, property).StdDev(mode);
}

}  // namespace Common
