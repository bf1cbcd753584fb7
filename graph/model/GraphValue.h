#pragma once

#include <cstdint>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// One point of a series. Every field starts empty (ValueMode 0).
class DRAVEX_API GraphValue : public DravexObject {
 public:
  GraphValue();
  ~GraphValue() override;

  // The base of the point: what the value is a share or rate of (Percent
  // divides by it; the data loader accumulates a measure's denominator here).
  const Runtime::Variant& TempValue() const { return tempValue_; }
  void TempValue(Runtime::Variant value) { tempValue_ = std::move(value); }
  // The value; Null marks a missing one.
  const Runtime::Variant& Y() const { return y_; }
  void Y(Runtime::Variant value) { y_ = std::move(value); }
  // The X value of an XYGraph point (0 for other series).
  const Runtime::Variant& X() const { return x_; }
  void X(Runtime::Variant value) { x_ = std::move(value); }
  // Y += y and TempValue += tempValue, a Null counting as 0 (an Integer).
  void Increment(const Runtime::Variant& y, const Runtime::Variant& tempValue);
  // Bits of ValueModeType: selected, warning, error.
  int32_t ValueMode() const { return valueMode_; }
  void ValueMode(int32_t value) { valueMode_ = value; }

 private:
  Runtime::Variant tempValue_;
  Runtime::Variant y_;
  Runtime::Variant x_;
  int32_t valueMode_ = 0;
};

}  // namespace Dravex
