#include "viewer/data/TextFields.h"

namespace Kordex {

void SplitFields(std::string_view text, char separator, char quote,
                 std::vector<std::string_view>& pieces) {
  pieces.clear();
  size_t start = 0;
  const size_t size = text.size();
  if (separator == ' ') {
    while (start < size && text[start] == ' ') ++start;
  }
  while (start < size) {
    size_t quotes = 0;
    size_t at = start;
    for (; at < size; ++at) {
      const char c = text[at];
      if (quote != 0 && c == quote) {
        ++quotes;
      } else if (c == separator && (quotes & 1) == 0) {
        break;
      }
    }
    pieces.push_back(TrimBlanks(text.substr(start, at - start)));
    if (at >= size) break;
    start = at + 1;
    if (separator == ' ') {
      while (start < size && text[start] == ' ') ++start;
    }
  }
}

}  // namespace Kordex
