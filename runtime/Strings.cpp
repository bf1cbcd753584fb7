#include "runtime/Strings.h"

#include <algorithm>

#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Runtime {

namespace {

void RequireNonNegative(int32_t n) {
  if (n < 0) Raise(ErrorNumber::InvalidProcedureCall);
}

bool SameChar(char a, char b, CompareMethod compare) {
  return compare == CompareMethod::Text ? FoldChar(a) == FoldChar(b) : a == b;
}

bool MatchesAt(std::string_view s, size_t pos, std::string_view find, CompareMethod compare) {
  if (pos + find.size() > s.size()) return false;
  for (size_t i = 0; i < find.size(); ++i) {
    if (!SameChar(s[pos + i], find[i], compare)) return false;
  }
  return true;
}

// 0-based position of find in s at or after from, or npos.
size_t Find(std::string_view s, std::string_view find, size_t from, CompareMethod compare) {
  if (compare == CompareMethod::Binary) return s.find(find, from);
  for (size_t p = from; p + find.size() <= s.size(); ++p) {
    if (MatchesAt(s, p, find, compare)) return p;
  }
  return std::string_view::npos;
}

unsigned char Key(char c, CompareMethod compare) {
  return static_cast<unsigned char>(compare == CompareMethod::Text ? FoldChar(c) : c);
}

bool IsBlank(char c) {
  return c == ' ';
}

// One bracketed list of a Like pattern ("[a-z]", "[!0-9]"), from just after
// its "[" up to its "]".
struct CharList {
  std::string_view Body;
  bool Negated = false;

  bool Contains(char c, CompareMethod compare) const {
    const unsigned char k = Key(c, compare);
    bool hit = false;
    for (size_t i = 0; i < Body.size(); ++i) {
      const unsigned char lo = Key(Body[i], compare);
      if (i + 2 < Body.size() && Body[i + 1] == '-') {
        const unsigned char hi = Key(Body[i + 2], compare);
        if (lo > hi) Raise(93, {}, "Invalid pattern string");
        if (k >= lo && k <= hi) hit = true;
        i += 2;
      } else if (k == lo) {
        hit = true;
      }
    }
    return hit != Negated;
  }
};

// Parses the list starting at pattern[at] == '['; returns the position after "]".
size_t ParseList(std::string_view pattern, size_t at, CharList& list) {
  const size_t close = pattern.find(']', at + 1);
  if (close == std::string_view::npos) Raise(93, {}, "Invalid pattern string");
  std::string_view body = pattern.substr(at + 1, close - at - 1);
  list.Negated = !body.empty() && body.front() == '!';
  if (list.Negated) body.remove_prefix(1);
  list.Body = body;
  return close + 1;
}

// Matches s from si against pattern from pi. "*" runs are handled by
// remembering the last star and retrying one character further on a mismatch,
// which keeps the match linear in practice and never recurses.
bool LikeFrom(std::string_view s, std::string_view p, CompareMethod compare) {
  size_t si = 0, pi = 0;
  size_t starP = std::string_view::npos, starS = 0;
  while (si < s.size() || pi < p.size()) {
    if (pi < p.size()) {
      const char pc = p[pi];
      if (pc == '*') {
        starP = pi++;
        starS = si;
        continue;
      }
      if (pc == '[') {
        CharList list;
        const size_t next = ParseList(p, pi, list);
        if (list.Body.empty() && !list.Negated) {  // "[]" matches nothing at all
          pi = next;
          continue;
        }
        if (si < s.size() && list.Contains(s[si], compare)) {
          pi = next;
          ++si;
          continue;
        }
      } else if (si < s.size()) {
        const char sc = s[si];
        const bool ok = pc == '?'   ? true
                        : pc == '#' ? sc >= '0' && sc <= '9'
                                    : SameChar(sc, pc, compare);
        if (ok) {
          ++pi;
          ++si;
          continue;
        }
      }
    }
    if (starP == std::string_view::npos || starS >= s.size()) return false;
    pi = starP + 1;
    si = ++starS;
  }
  return true;
}

}  // namespace

std::string Left(std::string_view s, int32_t length) {
  RequireNonNegative(length);
  return std::string(s.substr(0, static_cast<size_t>(length)));
}

std::string Right(std::string_view s, int32_t length) {
  RequireNonNegative(length);
  const size_t n = std::min(s.size(), static_cast<size_t>(length));
  return std::string(s.substr(s.size() - n));
}

std::string Mid(std::string_view s, int32_t start, int32_t length) {
  if (start < 1 || length < -1) Raise(ErrorNumber::InvalidProcedureCall);
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= s.size()) return {};
  return std::string(length < 0 ? s.substr(from) : s.substr(from, static_cast<size_t>(length)));
}

int32_t Len(std::string_view s) {
  return static_cast<int32_t>(s.size());
}

int32_t InStr(int32_t start, std::string_view s, std::string_view find, CompareMethod compare) {
  if (start < 1) Raise(ErrorNumber::InvalidProcedureCall);
  const size_t from = static_cast<size_t>(start) - 1;
  if (from > s.size()) return 0;
  if (find.empty()) return start;
  const size_t p = Find(s, find, from, compare);
  return p == std::string_view::npos ? 0 : static_cast<int32_t>(p) + 1;
}

int32_t InStr(std::string_view s, std::string_view find, CompareMethod compare) {
  return InStr(1, s, find, compare);
}

int32_t InStrRev(std::string_view s, std::string_view find, int32_t start, CompareMethod compare) {
  if (start == 0 || start < -1) Raise(ErrorNumber::InvalidProcedureCall);
  const auto len = static_cast<int32_t>(s.size());
  if (start == -1) start = len;
  if (start > len) return 0;
  if (find.empty()) return start;
  const auto flen = static_cast<int32_t>(find.size());
  for (int32_t p = start - flen; p >= 0; --p) {
    if (MatchesAt(s, static_cast<size_t>(p), find, compare)) return p + 1;
  }
  return 0;
}

std::string LTrim(std::string_view s) {
  size_t b = 0;
  while (b < s.size() && IsBlank(s[b])) ++b;
  return std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
  size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
  return LTrim(RTrim(s));
}

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string LCase(std::string_view s) {
  return FoldCase(s);
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with, int32_t start,
                    int32_t count, CompareMethod compare) {
  if (start < 1 || count < -1) Raise(ErrorNumber::InvalidProcedureCall);
  // As the classic function does, the result begins at start.
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= s.size()) return {};
  const std::string_view rest = s.substr(from);
  if (find.empty() || count == 0) return std::string(rest);
  std::string out;
  out.reserve(rest.size());
  size_t pos = 0;
  int32_t done = 0;
  while (count < 0 || done < count) {
    const size_t hit = Find(rest, find, pos, compare);
    if (hit == std::string_view::npos) break;
    out.append(rest.substr(pos, hit - pos));
    out.append(with);
    pos = hit + find.size();
    ++done;
  }
  out.append(rest.substr(pos));
  return out;
}

std::string Space(int32_t count) {
  RequireNonNegative(count);
  return std::string(static_cast<size_t>(count), ' ');
}

std::string String(int32_t count, char c) {
  RequireNonNegative(count);
  return std::string(static_cast<size_t>(count), c);
}

int32_t Asc(std::string_view s) {
  if (s.empty()) Raise(ErrorNumber::InvalidProcedureCall);
  return static_cast<unsigned char>(s.front());
}

std::string Chr(int32_t code) {
  if (code < 0 || code > 255) Raise(ErrorNumber::InvalidProcedureCall);
  return std::string(1, static_cast<char>(code));
}

int32_t StrComp(std::string_view a, std::string_view b, CompareMethod compare) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ka = Key(a[i], compare), kb = Key(b[i], compare);
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool Like(std::string_view s, std::string_view pattern, CompareMethod compare) {
  return LikeFrom(s, pattern, compare);
}

}  // namespace Runtime
