#pragma once

#include <string>

#include "runtime/Variant.h"

namespace Dravex {

class Graph;

// Every series' display and statistics settings in the registry, one key per
// chart, series title and group, 27 values a series:
// "Software\Tavro\<appname>\<SectionName>\<ChartName>\<title>\<group>".
//
// Booleans, enumerations and whole-number limits are 32-bit numbers; display
// names, and limits with a fraction or beyond 32 bits, are text, so that what
// was saved comes back unchanged. Loading takes a number or a text for any
// value; a value that does not read as its member's kind takes the default
// and is reported once, and the load goes on.
namespace GraphPreferenceStore {

void SavePreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                     const std::string& chartName);
// Into every series when series is missing; otherwise into the one series at
// that position (a number) or under that key. A series that does not exist
// raises the collection's error before anything is loaded.
void LoadPreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                     const std::string& chartName, const Runtime::Variant& series);

// The shortest text that reads back as the same Single ("12.75", "1E+11").
std::string SingleText(float value);

}  // namespace GraphPreferenceStore

}  // namespace Dravex
