#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace Kordex {

// Line and field splitting over the bytes of a data file, without copying:
// the pieces are views into the text they were split from.

// The bytes from at (16 of them, or fewer at the end of the text) that are a
// or b: bit i stands for the byte at + i. Lines and fields are short, so a
// scan tests 16 bytes at a time instead of making a call or a branch per byte.
inline uint32_t MatchMask(std::string_view text, size_t at, char a, char b) noexcept {
  const size_t count = std::min<size_t>(16, text.size() - at);
#if defined(__SSE2__)
  // The last bytes of a text of 16 or more are read as the 16 that end it,
  // and the bits of the bytes before at dropped: a copy into a buffer first
  // would stall the load that follows it.
  const bool whole = count == 16 || text.size() < 16;
  const size_t from = whole ? at : text.size() - 16;
  __m128i chunk;
  if (count == 16 || !whole) {
    chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
  } else {
    alignas(16) char tail[16] = {};
    std::memcpy(tail, text.data() + at, count);
    chunk = _mm_load_si128(reinterpret_cast<const __m128i*>(tail));
  }
  const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(a)),
                                    _mm_cmpeq_epi8(chunk, _mm_set1_epi8(b)));
  const auto mask = static_cast<uint32_t>(_mm_movemask_epi8(hits));
  if (count == 16) return mask;
  return whole ? mask & ((1U << count) - 1) : mask >> (16 - count);
#else
  uint32_t mask = 0;
  for (size_t i = 0; i < count; ++i) {
    if (text[at + i] == a || text[at + i] == b) mask |= 1U << i;
  }
  return mask;
#endif
}

// The position of the first byte at or after from that is a or b; the size of
// the text when there is none.
inline size_t FindEither(std::string_view text, size_t from, char a, char b) noexcept {
  for (size_t at = from; at < text.size(); at += 16) {
    const uint32_t mask = MatchMask(text, at, a, b);
    if (mask != 0) return at + static_cast<size_t>(std::countr_zero(mask));
  }
  return text.size();
}

// The next line of text from pos, without its end; pos moves to the start of
// the line after it. A line ends in CR LF, a lone CR or a lone LF (files
// copied through other systems lose their CRs).
inline std::string_view NextTextLine(std::string_view text, size_t& pos) noexcept {
  if (pos >= text.size()) {
    pos = text.size();
    return {};
  }
  const size_t begin = pos;
  const size_t end = FindEither(text, begin, '\r', '\n');
  pos = end;
  if (end < text.size()) {
    ++pos;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return text.substr(begin, end - begin);
}

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

// The pieces SplitFields gives for a separator other than the blank, handed
// one at a time where they stand in the text, with their numbers (piece 1
// first): visit(number, piece) returns false to stop.
template <class Visit>
void EachSplitField(std::string_view text, char separator, char quote, Visit visit) {
  // Only the separators and quotes matter: they are found 16 bytes at a time.
  // A separator splits when the quotes since the piece began are even.
  const char wanted = quote != 0 ? quote : separator;
  size_t start = 0;
  size_t number = 1;
  bool quoted = false;
  for (size_t at = 0; at < text.size(); at += 16) {
    for (uint32_t mask = MatchMask(text, at, separator, wanted); mask != 0; mask &= mask - 1) {
      const size_t i = at + static_cast<size_t>(std::countr_zero(mask));
      if (quote != 0 && text[i] == quote) {
        quoted = !quoted;
      } else if (!quoted) {
        if (!visit(number++, TrimBlanks(text.substr(start, i - start)))) return;
        start = i + 1;
      }
    }
  }
  // A separator at the very end gives no empty last piece.
  if (start < text.size()) visit(number, TrimBlanks(text.substr(start)));
}

// Field index (1-based) of a split, or "" when there is no such field.
inline std::string_view FieldAt(const std::vector<std::string_view>& pieces,
                                size_t index) noexcept {
  return index >= 1 && index <= pieces.size() ? pieces[index - 1] : std::string_view{};
}

}  // namespace Kordex
