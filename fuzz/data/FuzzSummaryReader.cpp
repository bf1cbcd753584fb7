// libFuzzer target: production-summary files.
#include "fuzz/data/DataFuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return Kordex::Fuzz::SummaryReaderInput(data, size);
}
