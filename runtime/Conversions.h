#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/RuntimeApi.h"
#include "runtime/Variant.h"

namespace Runtime {

// Checked conversions with the classic rules. Rounding to a whole number takes
// halves to the even neighbour; a value out of the target's range, or NaN,
// raises overflow (6); Null raises invalid use of Null (94); text that is not
// a number (or, for CDate, not a date) raises type mismatch (13); an object
// raises type mismatch. Empty converts to 0, "" or False.
TAVRO_RUNTIME_API bool CBool(const Variant& v);
TAVRO_RUNTIME_API uint8_t CByte(const Variant& v);
TAVRO_RUNTIME_API int16_t CInt(const Variant& v);
TAVRO_RUNTIME_API int32_t CLng(const Variant& v);
TAVRO_RUNTIME_API float CSng(const Variant& v);
TAVRO_RUNTIME_API double CDbl(const Variant& v);
TAVRO_RUNTIME_API DateTime CDate(const Variant& v);
// Numbers in their default text form, Booleans "True"/"False", dates in the
// regional Short Date (with the time when it is not midnight), Empty "".
TAVRO_RUNTIME_API std::string CStr(const Variant& v);

// The whole part: Int rounds towards minus infinity, Fix towards zero. The
// result keeps the kind of the argument (text gives Double); Null gives Null.
TAVRO_RUNTIME_API Variant Int(const Variant& v);
TAVRO_RUNTIME_API Variant Fix(const Variant& v);

// The value of a hexadecimal digit of either case; -1 for any other character.
TAVRO_RUNTIME_API int HexDigit(char c);

// The leading number of a text: blanks, tabs and line feeds anywhere in it are
// ignored, an optional sign, digits with at most one ".", an optional exponent
// ("E" or "D"), and "&H"/"&O" prefixes; 0 when the text does not start with a
// number. Val("1 2") is 12, Val("12abc") is 12, Val("abc") is 0.
TAVRO_RUNTIME_API double Val(std::string_view text);
// Val reading decimal numbers only: "&H3E8" and "&O17" are 0, as any other
// text that does not start with a decimal number. Raises Overflow (6), as Val
// does, for a number beyond the range of a Double.
TAVRO_RUNTIME_API double DecimalVal(std::string_view text);

// True when the whole text, less leading and trailing blanks, reads as a
// number (the regional decimal point and grouping allowed, a leading or
// trailing sign, an exponent, "&H" hexadecimal); numbers, Booleans and Dates
// are numeric; Empty is numeric; Null and objects are not.
TAVRO_RUNTIME_API bool IsNumeric(const Variant& v);
// True for a Date, or text that CDate would read.
TAVRO_RUNTIME_API bool IsDate(const Variant& v);

// The default text form of a number: at most 15 significant digits for a
// Double and 7 for a Single, no trailing zeros, scientific form ("1E+16",
// "1.5E-07") outside 1E-5 <= |x| < 1E15 (Single: 1E7), "." as the decimal
// point inside the system.
TAVRO_RUNTIME_API std::string NumberText(double value, bool single = false);

// Reads text as a number the way CDbl does (whole trimmed text; sign, decimal
// point, grouping, exponent, "&H"/"&O"); false when it is not a number.
TAVRO_RUNTIME_API bool ParseNumber(std::string_view text, double& value);

// A Double as a Single; beyond the Single range, or NaN, raises overflow (6).
TAVRO_RUNTIME_API float ToSingle(double value);

// Rounds to the nearest whole number, halves to the even neighbour.
TAVRO_RUNTIME_API double RoundHalfEven(double value);

}  // namespace Runtime
