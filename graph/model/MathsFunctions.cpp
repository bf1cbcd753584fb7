#include "graph/model/MathsFunctions.h"

#include <cmath>

#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Dravex::MathsFunctions {

Runtime::Variant LogBase(const Runtime::Variant& x, const Runtime::Variant& base) {
  const double value = Runtime::CDbl(x);
  const double b = Runtime::CDbl(base);
  if (value <= 0 || b <= 0) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  if (b == 1) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);

  // The decimal logarithm is exact on powers of ten, where the quotient of two
  // rounded natural logarithms can miss by an ulp (1000 gives 2.9999999999999996).
  if (b == 10) return std::log10(value);
  // Any other base: a whole power of it gets its exponent back whole.
  const double result = std::log(value) / std::log(b);
  const double whole = std::nearbyint(result);
  if (std::fabs(result - whole) < 1e-9 && std::pow(b, whole) == value) return whole;
  return result;
}

}  // namespace Dravex::MathsFunctions
