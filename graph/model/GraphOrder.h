#pragma once

#include <cstdint>

#include "graph/model/DravexObject.h"
#include "runtime/Variant.h"

namespace Dravex {

// One point while a series is sorted: its value, its label and its position
// before and after sorting. Internal to the library.
class GraphOrder : public DravexObject {
 public:
  GraphOrder();
  ~GraphOrder() override;

  const Runtime::Variant& Value() const { return value_; }
  void Value(Runtime::Variant value) { value_ = std::move(value); }
  int16_t NewIndex() const { return newIndex_; }
  void NewIndex(int16_t value) { newIndex_ = value; }
  int16_t OldIndex() const { return oldIndex_; }
  void OldIndex(int16_t value) { oldIndex_ = value; }
  const Runtime::Variant& Label() const { return label_; }
  void Label(Runtime::Variant value) { label_ = std::move(value); }

 private:
  Runtime::Variant value_;
  int16_t newIndex_ = 0;
  int16_t oldIndex_ = 0;
  Runtime::Variant label_;
};

}  // namespace Dravex
