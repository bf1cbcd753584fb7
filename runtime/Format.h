#pragma once

#include <string>
#include <string_view>

#include "runtime/RuntimeApi.h"
#include "runtime/Variant.h"

namespace Runtime {

// The classic Format function.
// - Numbers: "0", "0.0", "0.00", "#", "#,##0", "#,##0.00", "0%", "0.00%",
//   "0.#######E+00", "0.00E-00", literal text in quotes or after "\",
//   sections separated by ";" (positive;negative;zero;null); named formats
//   "General Number", "Fixed", "Standard", "Percent", "Scientific",
//   "Yes/No", "True/False", "On/Off". Rounding halves away from zero, as
//   Format does.
// - Dates: d dd ddd dddd m mm mmm mmmm y yy yyyy h hh n nn s ss q w ww
//   AM/PM am/pm A/P, "/" and ":" separators, literal text; named formats
//   "General Date", "Long Date", "Medium Date", "Short Date", "Long Time",
//   "Medium Time", "Short Time". "m" after "h" means minutes.
// - Text: "@", "&", "<", ">", "!".
// - An empty pattern gives CStr's text; Null gives "" (or the null section);
//   Empty formats as "" with an empty pattern and as 0 with a number pattern.
// Numeric text is formatted as a number, date text with a date pattern as a
// date.
TAVRO_RUNTIME_API std::string Format(const Variant& value, std::string_view pattern = {});

}  // namespace Runtime
