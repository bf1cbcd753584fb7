#include "graph/model/MathsFunctions.h"

#include <algorithm>
#include <cmath>

#include "graph/model/CommonFunctions.h"
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

namespace {

using Runtime::Variant;

// The X values: the items (or their projection), or 1 to count without items.
Runtime::Collection ValuesOf(const Runtime::Collection& items, const Common::ValueOf& property,
                             int32_t count) {
  Runtime::Collection values;
  if (items.Count() == 0) {
    // Doubles, so that the sums of many positions and of their squares cannot
    // overflow as 16-bit numbers would.
    for (int32_t i = 1; i <= count; ++i) values.Add(Variant(static_cast<double>(i)));
  } else {
    for (const Variant& item : items) values.Add(property ? property(item) : item);
  }
  return values;
}

// Points that differ by no more than rounding are one point: a line through a
// corner meets both edges there, at coordinates computed two ways.
bool SamePoint(const GraphPoint& p, const GraphPoint& q, const GraphPoint& low,
               const GraphPoint& high) {
  constexpr float Tolerance = 1e-5f;
  const auto close = [](float a, float b, float lo, float hi) {
    const float scale = std::max({std::fabs(lo), std::fabs(hi), hi - lo});
    return std::fabs(a - b) <= Tolerance * scale;
  };
  return close(p.X, q.X, low.X, high.X) && close(p.Y, q.Y, low.Y, high.Y);
}

}  // namespace

LineEnds BestFitLinear(const Runtime::Collection& xItems, const Runtime::Collection& yItems,
                       GraphPoint& corner1, GraphPoint& corner2, const Common::ValueOf& xProperty,
                       const Common::ValueOf& yProperty) {
  const Runtime::Collection xs = ValuesOf(xItems, xProperty, yItems.Count());
  const Runtime::Collection ys = ValuesOf(yItems, yProperty, 0);

  float b = 0;
  float a = 0;
  const int32_t n = xs.Count();
  if (n == 1) {
    a = Runtime::CSng(*ys.begin());
  } else if (n >= 2) {
    const double sumX = Runtime::CDbl(Common::SumOf(xs));
    const double sumY = Runtime::CDbl(Common::SumOf(ys));
    const double sumXY = Runtime::CDbl(Common::SumOfProducts(xs, ys));
    const double sumXX = Runtime::CDbl(Common::SumOfSquares(xs));
    const double divisor = n * sumXX - sumX * sumX;
    if (divisor == 0) Runtime::Raise(Runtime::ErrorNumber::DivisionByZero);
    b = Runtime::ToSingle((n * sumXY - sumX * sumY) / divisor);
    a = Runtime::ToSingle((sumY * sumXX - sumX * sumXY) / divisor);
  }

  if (corner1.Y < corner2.Y) CommonFunctions::Swap(corner1.Y, corner2.Y);
  if (corner1.X > corner2.X) CommonFunctions::Swap(corner1.X, corner2.X);
  const float xlo = corner1.X;
  const float xhi = corner2.X;
  const float yhi = corner1.Y;
  const float ylo = corner2.Y;
  const GraphPoint low{xlo, ylo};
  const GraphPoint high{xhi, yhi};

  LineEnds result;
  const auto consider = [&](GraphPoint p) {
    if (p.X < xlo || p.X > xhi || p.Y < ylo || p.Y > yhi || result.Found == 2) return;
    if (result.Found == 1 && SamePoint(result.Ends[0], p, low, high)) return;
    result.Ends[result.Found++] = p;
  };
  consider({xlo, b * xlo + a});
  consider({xhi, b * xhi + a});
  if (b != 0) {
    consider({(yhi - a) / b, yhi});
    consider({(ylo - a) / b, ylo});
  }
  return result;
}

void AddNumbersToCollection(Runtime::Collection& items, bool clearFirst,
                            std::initializer_list<Runtime::Variant> values) {
  if (clearFirst) items.Clear();
  for (const Variant& value : values) {
    switch (value.Kind()) {
      case Runtime::VarType::Long:
      case Runtime::VarType::Single:
      case Runtime::VarType::Integer:
      case Runtime::VarType::Double:
      case Runtime::VarType::Null: items.Add(value); break;
      default: break;
    }
  }
}

}  // namespace Dravex::MathsFunctions
