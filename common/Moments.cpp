#include "common/Moments.h"

#include <cmath>
#include <utility>

#include "runtime/Conversions.h"

namespace Common {

using Runtime::Variant;

Moments::Moments(const Runtime::Collection& items, ValueOf property)
    : items_(items), property_(std::move(property)) {}

int16_t Moments::Count() {
  if (!count_) count_ = CountOf(items_, property_, true);
  return *count_;
}

const Variant& Moments::Sum() {
  if (!sum_) sum_ = SumOf(items_, property_);
  return *sum_;
}

const Variant& Moments::SumOfSquares() {
  if (!squares_) squares_ = Common::SumOfSquares(items_, property_);
  return *squares_;
}

Variant Moments::Mean() {
  const int16_t n = Count();
  if (n == 0) return Variant(int16_t{0});
  return Sum() / Variant(n);
}

Variant Moments::StdDev(int32_t mode) {
  const int16_t n = Count();
  if (n < 2) return Variant(int16_t{0});
  const Variant count(n);
  const Variant& sum = Sum();
  const Variant mean = sum / count;
  const Variant& squares = SumOfSquares();
  Variant variance;
  if (mode == StdDevPopulation) {
    variance = squares / count - mean * mean;
  } else {
    variance =
        (squares - Variant(2.0) * mean * sum + count * mean * mean) / (count - Variant(int16_t{1}));
  }
  const double v = Runtime::CDbl(variance);
  return Variant(v > 0.0 ? std::sqrt(v) : 0.0);
}

}  // namespace Common
