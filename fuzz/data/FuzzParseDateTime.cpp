// libFuzzer target: the date-time texts of summary files.
#include "fuzz/data/DataFuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return Kordex::Fuzz::ParseDateTimeInput(data, size);
}
