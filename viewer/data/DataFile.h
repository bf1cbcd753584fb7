#pragma once

#include <cstddef>
#include <string>

namespace Kordex {

// The one place where the production-data readers open a file: reads the whole
// file (at most maxBytes of it) into bytes, reusing its capacity. FileName is
// the system's text (Windows-1252); its levels are found without regard to case
// when it does not exist as written. False, with bytes empty, when the file
// cannot be opened or read.
bool ReadDataFile(const std::string& FileName, std::string& bytes, size_t maxBytes);

}  // namespace Kordex
