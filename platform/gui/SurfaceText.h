#pragma once

#include <string_view>

namespace Platform {

// Splitting a surface text into its lines: CR LF, a lone CR or a lone LF ends a
// line; a text ending in a break has an empty last line; "" is one empty line.
template <class Visit>
void ForEachTextLine(std::string_view text, Visit&& visit) {
  int index = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    visit(text.substr(start, i - start), index++);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  visit(text.substr(start), index);
}

inline int CountTextLines(std::string_view text) {
  int count = 0;
  ForEachTextLine(text, [&](std::string_view, int) { ++count; });
  return count;
}

inline std::string_view LastTextLine(std::string_view text) {
  std::string_view last;
  ForEachTextLine(text, [&](std::string_view line, int) { last = line; });
  return last;
}

}  // namespace Platform
