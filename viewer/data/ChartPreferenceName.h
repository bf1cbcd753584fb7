#pragma once

#include <string>

namespace Kordex {

// The name a chart's graph preferences are saved and loaded under: the
// caption's leading words, the report and its grouping without the line, so
// that one report and grouping shares its settings over every line. Reports
// whose first word is not one of the known ones share the empty name.
std::string GetChartPreferenceName(const std::string& Caption);

}  // namespace Kordex
