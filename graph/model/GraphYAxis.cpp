#include "graph/model/GraphYAxis.h"

#include <cmath>

#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Strings.h"

namespace Dravex {

GraphYAxis::GraphYAxis() : title_(std::make_shared<GraphText>()) {}
GraphYAxis::~GraphYAxis() = default;

std::shared_ptr<GraphText> GraphYAxis::Title() const {
  return Required(title_);
}

void GraphYAxis::CreateDecimals() {
  if (majorTicks_ == 0) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);
  // The sign of the step says nothing about its decimals: an axis whose Max is
  // below its Min would otherwise count the minus sign as one.
  const float step = std::fabs((max_ - min_) / static_cast<float>(majorTicks_));
  if (!std::isfinite(step)) Runtime::Raise(Runtime::ErrorNumber::Overflow);

  // "d.dddddddE+xx": the mantissa's decimals less the exponent are the
  // decimals the step has.
  const std::string text = Runtime::Format(Runtime::Variant(step), scientificFormat_);
  const int32_t mantissaDecimals = Runtime::Len(text) - 6;
  const auto exponent = static_cast<int32_t>(Runtime::Val(Runtime::Right(text, 3)));
  const int32_t decimals = mantissaDecimals - exponent;
  decimals_ = decimals < 1 ? "0" : "0." + Runtime::String(decimals, '0');
}

}  // namespace Dravex
