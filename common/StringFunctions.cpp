#include "common/StringFunctions.h"

#include <algorithm>
#include <string_view>

#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Common {

namespace {

std::string TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

size_t CountOccurrences(std::string_view text, std::string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + what.size())) {
    ++count;
  }
  return count;
}

struct FieldState {
  Runtime::CollectionRef pieces;
  int16_t index = 0;
};

FieldState& Fields() {
  static FieldState state;
  return state;
}

}  // namespace

Runtime::CollectionRef SplitToCollection(const std::string& text, const std::string& separator,
                                         const std::string& quotes) {
  auto pieces = std::make_shared<Runtime::Collection>();
  if (text.empty()) return pieces;
  const bool blankSeparator = separator == " ";
  if (separator.empty()) {
    pieces->Add(Runtime::Variant(TrimBlanks(text)));
    return pieces;
  }

  std::string_view rest = text;
  size_t start = 0;  // where the next search for the separator starts, 0-based
  while (true) {
    size_t found = rest.find(separator, start);
    if (blankSeparator && found == start) {
      ++start;
      continue;
    }
    if (found != std::string_view::npos && !quotes.empty() &&
        CountOccurrences(rest.substr(0, found), quotes) % 2 == 1) {
      start = found + 1;
      continue;
    }
    const std::string piece =
        TrimBlanks(found == std::string_view::npos ? rest : rest.substr(0, found));
    // Blanks as the separator never make an empty piece, trailing blanks included.
    if (!(blankSeparator && piece.empty())) pieces->Add(Runtime::Variant(piece));
    rest = found == std::string_view::npos ? std::string_view{}
                                           : rest.substr(found + separator.size());
    if (rest.empty()) return pieces;
    start = 0;
  }
}

std::string GetField(int16_t index, const Runtime::Variant& text, const std::string& separator,
                     const std::string& quotes) {
  FieldState& state = Fields();
  if (!text.IsMissing()) {
    state.pieces = SplitToCollection(Runtime::CStr(text), separator, quotes);
  } else if (!state.pieces) {
    Runtime::Raise(Runtime::ErrorNumber::ArgumentNotOptional, "GetField");
  }
  if (index == 0) {
    if (state.index == INT16_MAX) Runtime::Raise(Runtime::ErrorNumber::Overflow, "GetField");
    ++state.index;
  } else {
    state.index = index;
  }
  if (state.index >= 1 && state.index <= state.pieces->Count()) {
    return Runtime::CStr(state.pieces->Item(Runtime::Variant(state.index)));
  }
  return {};
}

std::string RemoveRightChars(const std::string& text, int16_t count) {
  const size_t n = std::clamp<size_t>(count < 0 ? 0 : static_cast<size_t>(count), 0, text.size());
  return text.substr(0, text.size() - n);
}

std::string RemoveLeftChars(const std::string& text, int16_t count) {
  const size_t n = std::clamp<size_t>(count < 0 ? 0 : static_cast<size_t>(count), 0, text.size());
  return text.substr(n);
}

}  // namespace Common
