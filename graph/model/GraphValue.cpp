#include "graph/model/GraphValue.h"

namespace Dravex {

namespace {

// Without a copy of the old value: a load adds to every point many times.
void AddTo(Runtime::Variant& sum, const Runtime::Variant& value) {
  sum = sum.IsNull() ? Runtime::Variant(int16_t{0}) + value : sum + value;
}

}  // namespace

GraphValue::GraphValue() = default;
GraphValue::~GraphValue() = default;

void GraphValue::Increment(const Runtime::Variant& y, const Runtime::Variant& tempValue) {
  AddTo(y_, y);
  AddTo(tempValue_, tempValue);
}

}  // namespace Dravex
