#pragma once

#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "runtime/Variant.h"

namespace Dravex {

// The label of one X position and the value behind it (what a drill-down
// copies from the selected points). Made only by GraphXAxisLabelCol::Add.
class DRAVEX_API GraphXAxisLabel : public DravexObject {
 public:
  GraphXAxisLabel();
  ~GraphXAxisLabel() override;

  const std::string& Label() const { return label_; }
  void Label(std::string value) { label_ = std::move(value); }
  const Runtime::Variant& Value() const { return value_; }
  void Value(Runtime::Variant value) { value_ = std::move(value); }

 private:
  std::string label_;
  Runtime::Variant value_{Runtime::Null};
};

}  // namespace Dravex
