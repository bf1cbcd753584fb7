#pragma once

#include <string>
#include <string_view>

#include "runtime/RuntimeApi.h"

namespace Runtime {

// Text inside the system is single-byte Windows-1252; UTF-8 is used only where
// text meets Qt and file names.

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// map to the C1 controls of the same value, so nothing is lost.
TAVRO_RUNTIME_API std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252. Characters the code page lacks, and malformed UTF-8
// sequences, become '?'.
TAVRO_RUNTIME_API std::string Utf8ToCp1252(std::string_view text);
// One Unicode character as Windows-1252; '?' for one the code page lacks.
TAVRO_RUNTIME_API char ToCp1252(char32_t c);

// Whether the bytes are well-formed UTF-8 (no overlong lead bytes, nothing
// beyond U+10FFFF's lead bytes, no truncated sequence).
TAVRO_RUNTIME_API bool IsValidUtf8(std::string_view text);

}  // namespace Runtime
