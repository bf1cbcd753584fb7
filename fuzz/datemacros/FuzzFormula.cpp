// libFuzzer target: date-macro formulas.
#include "fuzz/datemacros/FormulaFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return Kordex::Fuzz::FormulaInput(data, size);
}
