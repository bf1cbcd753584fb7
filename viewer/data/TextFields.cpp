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
  // Only the separators and quotes matter: they are found 16 bytes at a time.
  // A separator splits when the quotes since the piece began are even.
  const char wanted = quote != 0 ? quote : separator;
  size_t start = 0;
  bool quoted = false;
  for (size_t at = 0; at < text.size(); at += 16) {
    for (uint32_t mask = MatchMask(text, at, separator, wanted); mask != 0; mask &= mask - 1) {
      const size_t i = at + static_cast<size_t>(std::countr_zero(mask));
      if (quote != 0 && text[i] == quote) {
        quoted = !quoted;
      } else if (!quoted) {
        pieces.push_back(TrimBlanks(text.substr(start, i - start)));
        start = i + 1;
      }
    }
  }
  // A separator at the very end gives no empty last piece.
  if (start < text.size()) pieces.push_back(TrimBlanks(text.substr(start)));
}

}  // namespace Kordex
