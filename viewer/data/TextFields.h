#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace Kordex {

// Line and field splitting over the bytes of a data file, without copying:
// the pieces are views into the text they were split from.

// The next line of text from pos, without its end; pos moves to the start of
// the line after it. A line ends in CR LF, a lone CR or a lone LF (files
// copied through other systems lose their CRs).
std::string_view NextTextLine(std::string_view text, size_t& pos) noexcept;

// The text less the blanks at both ends (blanks only, not TABs).
inline std::string_view TrimBlanks(std::string_view text) noexcept {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.substr(first, last - first);
}

// Splits text at a one-character separator into pieces trimmed of blanks, the
// way the common library splits delimited text: two adjacent separators give
// an empty piece, a separator at the very end gives no empty last piece, empty
// text gives no pieces; with the blank as separator a run of blanks counts as
// one and leading blanks are passed over; with a quote character (0 for none)
// a separator inside a pair of quotes does not split and the quotes stay in the
// piece. Pieces replaces the content of the vector, keeping its capacity.
void SplitFields(std::string_view text, char separator, char quote,
                 std::vector<std::string_view>& pieces);

// Field index (1-based) of a split, or "" when there is no such field.
inline std::string_view FieldAt(const std::vector<std::string_view>& pieces,
                                size_t index) noexcept {
  return index >= 1 && index <= pieces.size() ? pieces[index - 1] : std::string_view{};
}

}  // namespace Kordex
