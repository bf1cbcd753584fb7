#include "viewer/data/TextFields.h"

#include <cstring>

namespace Kordex {

std::string_view NextTextLine(std::string_view text, size_t& pos) noexcept {
  if (pos >= text.size()) {
    pos = text.size();
    return {};
  }
  const char* begin = text.data() + pos;
  const size_t rest = text.size() - pos;
  // Looking for CR first is the fast path: the files end their lines in CR LF.
  const void* cr = std::memchr(begin, '\r', rest);
  const size_t crAt = cr ? static_cast<size_t>(static_cast<const char*>(cr) - begin) : rest;
  const void* lf = std::memchr(begin, '\n', crAt);
  size_t length;
  size_t next;
  if (lf != nullptr) {
    length = static_cast<size_t>(static_cast<const char*>(lf) - begin);
    next = length + 1;
  } else if (crAt < rest) {
    length = crAt;
    next = crAt + 1;
    if (next < rest && begin[next] == '\n') ++next;
  } else {
    length = rest;
    next = rest;
  }
  pos += next;
  return std::string_view(begin, length);
}

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
