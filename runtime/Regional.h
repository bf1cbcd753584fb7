#pragma once

#include <string>

#include "runtime/RuntimeApi.h"

namespace Runtime {

// The regional settings that text conversions and Format use. Canonical texts
// (stored values, formula results) always use "." whatever these say.
struct TAVRO_RUNTIME_API RegionalSettings {
  char DecimalPoint = '.';
  char Grouping = ',';
  std::string ShortDate = "dd/mm/yyyy";
  std::string LongDate = "d mmmm yyyy";
  std::string LongTime = "hh:nn:ss";
  int Decimals = 2;

  static RegionalSettings& Current();
};

}  // namespace Runtime
