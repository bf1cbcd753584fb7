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

  const double result = std::log(value) / std::log(b);
  // The quotient of two rounded logarithms can miss a whole result by an ulp;
  // a whole power of the base gets its exponent back exactly.
  const double whole = std::nearbyint(result);
  if (std::fabs(result - whole) < 1e-9 && std::pow(b, whole) == value) return whole;
  return result;
}

}  // namespace Dravex::MathsFunctions
