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

// The bytes from at (16 of them, or fewer at the end of the text) that are a,
// b or c: bit i stands for the byte at + i. Lines and fields are short, so a
// scan tests 16 bytes at a time instead of making a call or a branch per byte.
inline uint32_t MatchMask(std::string_view text, size_t at, char a, char b, char c) noexcept {
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
  const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(a)),
                                                 _mm_cmpeq_epi8(chunk, _mm_set1_epi8(b))),
                                    _mm_cmpeq_epi8(chunk, _mm_set1_epi8(c)));
  const auto mask = static_cast<uint32_t>(_mm_movemask_epi8(hits));
  if (count == 16) return mask;
  return whole ? mask & ((1U << count) - 1) : mask >> (16 - count);
#else
  uint32_t mask = 0;
  for (size_t i = 0; i < count; ++i) {
    if (text[at + i] == a || text[at + i] == b || text[at + i] == c) mask |= 1U << i;
  }
  return mask;
#endif
}
inline uint32_t MatchMask(std::string_view text, size_t at, char a, char b) noexcept {
  return MatchMask(text, at, a, b, b);
}

// The position of the first byte at or after from that is a, b or c; the size
// of the text when there is none.
inline size_t FindEither(std::string_view text, size_t from, char a, char b, char c) noexcept {
  for (size_t at = from; at < text.size(); at += 16) {
    const uint32_t mask = MatchMask(text, at, a, b, c);
    if (mask != 0) return at + static_cast<size_t>(std::countr_zero(mask));
  }
  return text.size();
}
inline size_t FindEither(std::string_view text, size_t from, char a, char b) noexcept {
  return FindEither(text, from, a, b, b);
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

// The next line of text from pos as NextTextLine gives it, less the blanks
// and TABs at both ends; tabbed tells whether a TAB stands inside what is
// left. One look at the bytes finds the line's end and whether a TAB comes
// before it: 16 bytes at a time while 16 are left, byte by byte at the end of
// the text.
inline std::string_view NextTrimmedLine(std::string_view text, size_t& pos, bool& tabbed) noexcept {
  const char* const data = text.data();
  const size_t size = text.size();
  size_t first = std::min(pos, size);
  while (first < size && (data[first] == ' ' || data[first] == '\t')) ++first;
  size_t end = first;
  bool tabSeen = false;
  bool found = false;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i tab = _mm_set1_epi8('\t');
  while (size - end >= 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + end));
    const auto ends = static_cast<uint32_t>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf))));
    const auto tabs = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, tab)));
    if (ends != 0) {
      const auto n = static_cast<unsigned>(std::countr_zero(ends));
      tabSeen = tabSeen || (tabs & ((1U << n) - 1)) != 0;
      end += n;
      found = true;
      break;
    }
    tabSeen = tabSeen || tabs != 0;
    end += 16;
  }
#endif
  if (!found) {
    for (; end < size && data[end] != '\r' && data[end] != '\n'; ++end) {
      tabSeen = tabSeen || data[end] == '\t';
    }
  }
  pos = end;
  if (end < size) {
    ++pos;
    if (data[end] == '\r' && pos < size && data[pos] == '\n') ++pos;
  }
  size_t last = end;
  while (last > first && (data[last - 1] == ' ' || data[last - 1] == '\t')) --last;
  const std::string_view line(data + first, last - first);
  // Only a TAB inside counts: one just before the line's end is cut with it.
  tabbed = tabSeen && line.find('\t') != std::string_view::npos;
  return line;
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
  // A separator splits when the quotes since the piece began are even, that
  // is when the quotes before it in the text are: every split falls where
  // they are even.
  size_t start = 0;
  size_t number = 1;
  uint32_t quoted = 0;  // all ones while inside a pair of quotes
  for (size_t at = 0; at < text.size(); at += 16) {
    uint32_t splits = MatchMask(text, at, separator, separator);
    if (quote != 0) {
      const uint32_t quotes = MatchMask(text, at, quote, quote);
      if ((quotes | quoted) != 0) {
        // Bit i of inside: the quotes up to byte i are odd.
        uint32_t inside = quotes;
        inside ^= inside << 1;
        inside ^= inside << 2;
        inside ^= inside << 4;
        inside ^= inside << 8;
        splits &= ~(inside ^ quoted);
        if (std::popcount(quotes) & 1) quoted = ~quoted;
      }
    }
    for (; splits != 0; splits &= splits - 1) {
      const size_t i = at + static_cast<size_t>(std::countr_zero(splits));
      if (!visit(number++, TrimBlanks(text.substr(start, i - start)))) return;
      start = i + 1;
    }
  }
  // A separator at the very end gives no empty last piece.
  if (start < text.size()) visit(number, TrimBlanks(text.substr(start)));
}

// The comma-separated pieces of text as EachSplitField gives them (with the
// double quote as quote character), for text in its plainest form: no blank
// next to a comma and quotes only in pairs around whole pieces. Each piece
// comes with its value when it is a whole number of at most 15 decimal digits
// (a minus before them or not). The pieces are taken one at a time by a plain
// loop, so that a caller keeps what it gathers from them in registers; text
// in any other form is found part way through (NotPlain), and EachSplitField
// then reads it.
class PlainFields {
 public:
  enum Result { Piece, End, NotPlain };

  explicit PlainFields(std::string_view text) noexcept
      : text_(text), p_(text.data()), end_(text.data() + text.size()), done_(text.empty()) {}

  [[gnu::always_inline]] Result Next(std::string_view& piece, int64_t& whole,
                                     bool& isWhole) noexcept {
    if (done_) return End;
    const char* p = p_;
    const char* const first = p;
    uint64_t value = 0;
    bool wholeNumber = false;
    if (*p == '"') {
      const size_t closing = FindEither(text_, static_cast<size_t>(p - text_.data()) + 1, '"', '"');
      if (closing == text_.size()) return NotPlain;
      p = text_.data() + closing + 1;
      if (p != end_ && *p != ',') return NotPlain;
    } else if (const unsigned digit = static_cast<unsigned char>(*p - '0');
               digit <= 9 && (p + 1 == end_ || p[1] == ',')) {
      // One digit, the commonest piece of all.
      value = digit;
      wholeNumber = true;
      ++p;
    } else {
      const bool negative = *p == '-';
      const char* const digits = p + (negative ? 1 : 0);
      p = digits;
      while (p != end_ && static_cast<unsigned char>(*p - '0') <= 9) {
        value = value * 10 + static_cast<unsigned>(*p - '0');
        ++p;
      }
      wholeNumber = p != digits && p - digits <= 15;
      if (negative) value = 0 - value;
      if (p != end_ && *p != ',') {
        wholeNumber = false;
        for (; p != end_ && *p != ','; ++p) {
          if (*p == '"' || *p == ' ') return NotPlain;
        }
      }
    }
    piece = std::string_view(first, static_cast<size_t>(p - first));
    whole = static_cast<int64_t>(value);
    isWhole = wholeNumber;
    // A separator at the very end gives no empty last piece.
    if (p == end_ || ++p == end_) done_ = true;
    p_ = p;
    return Piece;
  }

 private:
  std::string_view text_;
  const char* p_;
  const char* end_;
  bool done_;
};

// Field index (1-based) of a split, or "" when there is no such field.
inline std::string_view FieldAt(const std::vector<std::string_view>& pieces,
                                size_t index) noexcept {
  return index >= 1 && index <= pieces.size() ? pieces[index - 1] : std::string_view{};
}

}  // namespace Kordex
