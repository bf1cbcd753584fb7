#pragma once

#include <cstddef>
#include <cstdint>

namespace Kordex::Fuzz {

// The body of the formula fuzz target, a plain function so that the normal
// test build runs it over the seed corpus. The bytes are one formula; it
// aborts when the evaluation breaks a promise: it throws, gives an unknown
// code, a value that does not fit its code, or a different result once the
// blanks are gone.
int FormulaInput(const uint8_t* data, size_t size);

}  // namespace Kordex::Fuzz
