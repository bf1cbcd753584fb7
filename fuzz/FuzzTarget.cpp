// One libFuzzer target: runs the check named by TAVRO_FUZZ_CHECK (see
// CMakeLists.txt) on every input and stops at the first property it breaks.
#include <cstdio>
#include <cstdlib>

#include "fuzz/ParserChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure =
      TAVRO_FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
