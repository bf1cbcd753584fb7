#pragma once

#include "runtime/Variant.h"

// Numeric routines of the graph library.
namespace Dravex::MathsFunctions {

// The logarithm of x to the given base, as a Double. Exact where x is a whole
// power of the base (1000 to base 10 gives 3, not 2.9999999999999996), so that
// the decade of a value is never one too low. x or base not above 0 raises
// invalid procedure call (5); base 1 raises division by zero (11).
Runtime::Variant LogBase(const Runtime::Variant& x, const Runtime::Variant& base);

}  // namespace Dravex::MathsFunctions
