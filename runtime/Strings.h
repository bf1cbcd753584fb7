#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/RuntimeApi.h"

namespace Runtime {

// The classic string functions on Windows-1252 text. Positions and lengths are
// 1-based character counts; a negative length or a start below 1 raises
// invalid procedure call (5), as the classic functions do.

enum class CompareMethod : int32_t { Binary = 0, Text = 1 };

TAVRO_RUNTIME_API std::string Left(std::string_view s, int32_t length);
TAVRO_RUNTIME_API std::string Right(std::string_view s, int32_t length);
// Mid without a length: the rest of the text from start.
TAVRO_RUNTIME_API std::string Mid(std::string_view s, int32_t start, int32_t length = -1);
TAVRO_RUNTIME_API int32_t Len(std::string_view s);
// 1-based position of find in s from start, 0 when absent; an empty find gives
// start (when start <= Len(s) + 1).
TAVRO_RUNTIME_API int32_t InStr(int32_t start, std::string_view s, std::string_view find,
                                CompareMethod compare = CompareMethod::Binary);
TAVRO_RUNTIME_API int32_t InStr(std::string_view s, std::string_view find,
                                CompareMethod compare = CompareMethod::Binary);
// Search from the end; start -1 means from the last character.
TAVRO_RUNTIME_API int32_t InStrRev(std::string_view s, std::string_view find, int32_t start = -1,
                                   CompareMethod compare = CompareMethod::Binary);
TAVRO_RUNTIME_API std::string LTrim(std::string_view s);  // blanks only
TAVRO_RUNTIME_API std::string RTrim(std::string_view s);
TAVRO_RUNTIME_API std::string Trim(std::string_view s);
TAVRO_RUNTIME_API std::string UCase(std::string_view s);
TAVRO_RUNTIME_API std::string LCase(std::string_view s);
// count -1: every occurrence.
TAVRO_RUNTIME_API std::string Replace(std::string_view s, std::string_view find,
                                      std::string_view with, int32_t start = 1, int32_t count = -1,
                                      CompareMethod compare = CompareMethod::Binary);
TAVRO_RUNTIME_API std::string Space(int32_t count);
TAVRO_RUNTIME_API std::string String(int32_t count, char c);
TAVRO_RUNTIME_API int32_t Asc(std::string_view s);  // of the first byte; "" raises 5
TAVRO_RUNTIME_API std::string Chr(int32_t code);    // 0..255, else 5
// -1, 0 or 1.
TAVRO_RUNTIME_API int32_t StrComp(std::string_view a, std::string_view b,
                                  CompareMethod compare = CompareMethod::Binary);
// The Like operator: ? * # [list] [!list] with ranges; binary unless Text.
TAVRO_RUNTIME_API bool Like(std::string_view s, std::string_view pattern,
                            CompareMethod compare = CompareMethod::Binary);

}  // namespace Runtime
