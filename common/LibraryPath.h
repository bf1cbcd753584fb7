#pragma once

#include <string>

namespace Common {

// The file this deliverable was loaded from (the shared library, or the
// program), as a system path; "" when unknown. Each deliverable compiles its
// own copy of the common routines, so the answer is always its own file, even
// when the process has loaded other libraries with the same exported names.
std::string LibraryPath();

}  // namespace Common
