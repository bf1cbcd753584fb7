#include "common/CommonFunctions.h"

namespace Common {

using Runtime::Variant;

namespace {

// A comparison that came out Null replaces nothing, as an If on Null does.
bool Holds(const Variant& condition) {
  return condition.Kind() == Runtime::VarType::Boolean && condition.GetBoolean();
}

}  // namespace

void Inc(Variant& value, const Variant& step) {
  value = value + step;
}

void Dec(Variant& value, const Variant& step) {
  value = value - step;
}

Variant MinOf(std::initializer_list<Variant> values) {
  Variant working(int16_t{0});
  bool first = true;
  for (const Variant& v : values) {
    if (first || Holds(Runtime::Lt(v, working))) working = v;
    first = false;
  }
  return working;
}

Variant MaxOf(std::initializer_list<Variant> values) {
  Variant working(int16_t{0});
  bool first = true;
  for (const Variant& v : values) {
    if (first || Holds(Runtime::Gt(v, working))) working = v;
    first = false;
  }
  return working;
}

}  // namespace Common
