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

// The X values: the items, their projection, or 1 to count without items.
// Items taken as they are serve themselves; the others are made in values.
const Runtime::Collection& ValuesOf(const Runtime::Collection& items,
                                    const Common::ValueOf& property, int32_t count,
                                    Runtime::Collection& values) {
  if (items.Count() > 0 && !property) return items;
  if (items.Count() == 0) {
    // Doubles, so that the sums of many positions and of their squares cannot
    // overflow as 16-bit numbers would.
    for (int32_t i = 1; i <= count; ++i) values.Add(Variant(static_cast<double>(i)));
  } else {
    for (const Variant& item : items) values.Add(property(item));
  }
  return values;
}

// How far apart two coordinates on one edge of the rectangle may be and still
// be one: a line through a corner meets both edges there, at coordinates
// computed two ways, and one that ends on an edge may come out a rounding
// beyond it.
float Tolerance(float low, float high) {
  return 1e-5f * std::max({std::fabs(low), std::fabs(high), high - low});
}

}  // namespace

LineEnds BestFitLinear(const Runtime::Collection& xItems, const Runtime::Collection& yItems,
                       GraphPoint& corner1, GraphPoint& corner2, const Common::ValueOf& xProperty,
                       const Common::ValueOf& yProperty) {
  Runtime::Collection madeXs;
  Runtime::Collection madeYs;
  const Runtime::Collection& xs = ValuesOf(xItems, xProperty, yItems.Count(), madeXs);
  const Runtime::Collection& ys = ValuesOf(yItems, yProperty, 0, madeYs);

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
  const float xTolerance = Tolerance(xlo, xhi);
  const float yTolerance = Tolerance(ylo, yhi);

  LineEnds result;
  const auto consider = [&](GraphPoint p) {
    if (result.Found == 2 || p.X < xlo - xTolerance || p.X > xhi + xTolerance ||
        p.Y < ylo - yTolerance || p.Y > yhi + yTolerance) {
      return;
    }
    const GraphPoint& first = result.Ends[0];
    if (result.Found == 1 && std::fabs(first.X - p.X) <= xTolerance &&
        std::fabs(first.Y - p.Y) <= yTolerance) {
      return;
    }
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
