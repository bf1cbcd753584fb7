#include "viewer/data/TextFields.h"

namespace Kordex {

namespace {

// Blank-separated text: a run of blanks is one separator and leading blanks
// are passed over. Only short texts (dates and times) are split so.
void SplitAtBlanks(std::string_view text, char quote, std::vector<std::string_view>& pieces) {
  size_t start = 0;
  const size_t size = text.size();
  while (start < size && text[start] == ' ') ++start;
  while (start < size) {
    size_t quotes = 0;
    size_t at = start;
    for (; at < size; ++at) {
      const char c = text[at];
      if (quote != 0 && c == quote) {
        ++quotes;
      } else if (c == ' ' && (quotes & 1) == 0) {
        break;
      }
    }
    pieces.push_back(TrimBlanks(text.substr(start, at - start)));
    if (at >= size) break;
    start = at + 1;
    while (start < size && text[start] == ' ') ++start;
  }
}

}  // namespace

void SplitFields(std::string_view text, char separator, char quote,
                 std::vector<std::string_view>& pieces) {
  pieces.clear();
  if (separator == ' ') {
    SplitAtBlanks(text, quote, pieces);
    return;
  }
  EachSplitField(text, separator, quote, [&](size_t, std::string_view piece) {
    pieces.push_back(piece);
    return true;
  });
}

}  // namespace Kordex
