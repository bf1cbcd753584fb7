// Fuzz target: the settings-store file reader and writer.
#include <cstdio>
#include <cstdlib>

#include "fuzz/ParserChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure =
      FuzzChecks::CheckRegistryText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
