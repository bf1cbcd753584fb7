#pragma once

#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "runtime/Variant.h"

namespace Dravex {

// A limit of a series' values (a specification or control limit): its value,
// its display name and whether it is in use.
class DRAVEX_API GraphControlLimit : public DravexObject {
 public:
  GraphControlLimit();
  ~GraphControlLimit() override;

  float Value() const { return value_; }
  void Value(float value) { value_ = value; }
  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  bool LimitOn() const { return limitOn_; }
  void LimitOn(bool value) { limitOn_ = value; }

 private:
  float value_ = 0;
  std::string name_;
  bool limitOn_ = false;
};

}  // namespace Dravex
