#pragma once

#include <cstdint>
#include <optional>

#include "common/MathsFunctions.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Common {

// The count, sum and sum of squares of a collection's values (as CountOf,
// SumOf and SumOfSquares take them), each a pass over the items made when
// first needed and then kept: a mean and a standard deviation of the same
// items share their passes. The items must outlive it and stay unchanged.
class Moments {
 public:
  explicit Moments(const Runtime::Collection& items, ValueOf property = {});

  int16_t Count();
  const Runtime::Variant& Sum();
  const Runtime::Variant& SumOfSquares();
  // As MeanOf and StdDevOf work them out.
  Runtime::Variant Mean();
  Runtime::Variant StdDev(int32_t mode);

 private:
  const Runtime::Collection& items_;
  ValueOf property_;
  std::optional<int16_t> count_;
  std::optional<Runtime::Variant> sum_;
  std::optional<Runtime::Variant> squares_;
};

}  // namespace Common
