#include "runtime/Conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "runtime/CaseFold.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "runtime/Regional.h"

namespace Runtime {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of a decimal number gathered so that from_chars can read them
// without allocating: leading zeros are dropped, and digits past the 40th
// only move the exponent (they cannot change a double).
class DecimalDigits {
 public:
  void AddWhole(char d) {
    if (count_ == 0 && d == '0') return;
    if (count_ < kMax) {
      digits_[count_++] = d;
    } else {
      ++shift_;
    }
  }
  void AddFraction(char d) {
    if (count_ == 0 && d == '0') {
      --shift_;
      return;
    }
    if (count_ < kMax) {
      digits_[count_++] = d;
      --shift_;
    }
  }
  // Exponent digits are added one at a time; a huge exponent is capped, which
  // still gives overflow or 0 as it should.
  void AddExponentDigit(char d) {
    if (exponent_ < 1000000) exponent_ = exponent_ * 10 + (d - '0');
  }
  void SetExponentNegative() { exponentNegative_ = true; }

  // The value; a magnitude beyond the double range is overflow (6), one below
  // it is 0.
  double Value(bool negative) const {
    if (count_ == 0) return 0.0;
    const int64_t exponent = shift_ + (exponentNegative_ ? -exponent_ : exponent_);
    const int64_t magnitude = count_ + exponent;  // the value lies in [10^(m-1), 10^m)
    if (magnitude > 310) Raise(ErrorNumber::Overflow);
    if (magnitude < -330) return 0.0;
    char text[kMax + 16];
    char* end = text;
    for (int i = 0; i < count_; ++i) *end++ = digits_[i];
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, exponent).ptr;
    double value = 0.0;
    const auto result = std::from_chars(text, end, value);
    if (result.ec == std::errc::result_out_of_range) {
      if (magnitude > 0) Raise(ErrorNumber::Overflow);
      return 0.0;
    }
    if (std::isinf(value)) Raise(ErrorNumber::Overflow);
    return negative ? -value : value;
  }

  bool HasDigits() const { return count_ > 0 || sawDigit_; }
  void SawDigit() { sawDigit_ = true; }

 private:
  static constexpr int kMax = 40;
  char digits_[kMax];
  int count_ = 0;
  bool sawDigit_ = false;
  int64_t shift_ = 0;
  int64_t exponent_ = 0;
  bool exponentNegative_ = false;
};

// "&H" and "&O" numbers are 16-bit when they fit in 16 bits and 32-bit when
// they fit in 32, read as two's complement (so "&HFFFF" is -1).
double FromRadixBits(uint64_t bits) {
  if (bits <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(bits));
  if (bits <= 0xFFFFFFFF) return static_cast<int32_t>(static_cast<uint32_t>(bits));
  return static_cast<double>(bits);
}

// Reads radix digits from text[i]; blanks are skipped when skipBlanks is set.
// Returns the number of digits read; bits saturate past 64 bits.
template <class Skip>
int ReadRadix(std::string_view text, size_t& i, int radix, uint64_t& bits, Skip skip) {
  int count = 0;
  bits = 0;
  for (;; ++i) {
    skip(i);
    if (i >= text.size()) break;
    const int d = HexDigit(text[i]);
    if (d < 0 || d >= radix) break;
    bits = bits > (std::numeric_limits<uint64_t>::max() >> 4) ? std::numeric_limits<uint64_t>::max()
                                                              : bits * radix + d;
    ++count;
  }
  return count;
}

bool IsTrimmable(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsTrimmable(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmable(text.back())) text.remove_suffix(1);
  return text;
}

[[noreturn]] void Mismatch() {
  Raise(ErrorNumber::TypeMismatch);
}

double TextToDouble(const std::string& text) {
  double value = 0.0;
  if (!ParseNumber(text, value)) Mismatch();
  return value;
}

// The value of any kind that converts to a number.
double ToDouble(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Empty: return 0.0;
    case VarType::Null: Raise(ErrorNumber::InvalidUseOfNull);
    case VarType::Boolean: return v.GetBoolean() ? -1.0 : 0.0;
    case VarType::Byte: return v.GetByte();
    case VarType::Integer: return v.GetInteger();
    case VarType::Long: return v.GetLong();
    case VarType::Single: return v.GetSingle();
    case VarType::Double: return v.GetDouble();
    case VarType::Date: return v.GetDate().Serial;
    case VarType::String: return TextToDouble(v.GetString());
    default: Mismatch();
  }
}

int64_t RoundInto(double value, double low, double high) {
  if (std::isnan(value)) Raise(ErrorNumber::Overflow);
  const double r = RoundHalfEven(value);
  if (r < low || r > high) Raise(ErrorNumber::Overflow);
  return static_cast<int64_t>(r);
}

template <class T>
T RoundTo(const Variant& v) {
  return static_cast<T>(
      RoundInto(ToDouble(v), std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

Variant WholePart(const Variant& v, double (*whole)(double)) {
  switch (v.Kind()) {
    case VarType::Null: return Null;
    case VarType::Empty: return int16_t{0};
    case VarType::Boolean: return static_cast<int16_t>(v.GetBoolean() ? -1 : 0);
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return v;
    case VarType::Single: return static_cast<float>(whole(v.GetSingle()));
    case VarType::Double: return whole(v.GetDouble());
    // The time of a date before 1900 still counts forward from its day, so
    // the day is the serial less its fraction for Int as well as Fix.
    case VarType::Date: return DateTime{std::trunc(v.GetDate().Serial)};
    case VarType::String: return whole(TextToDouble(v.GetString()));
    default: Mismatch();
  }
}

}  // namespace

float ToSingle(double value) {
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) Raise(ErrorNumber::Overflow);
  return static_cast<float>(value);
}

double RoundHalfEven(double value) {
  // Whole numbers, nearly every value rounded, are their own rounding.
  constexpr double wholeRange = 9.0e18;  // within the 64-bit integers
  if (value > -wholeRange && value < wholeRange &&
      value == static_cast<double>(static_cast<int64_t>(value))) {
    return value;
  }
  if (!std::isfinite(value)) return value;
  double whole = std::floor(value);
  const double fraction = value - whole;  // exact for doubles
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return whole;
}

bool CBool(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Boolean: return v.GetBoolean();
    case VarType::String: {
      const std::string_view text = TrimBlanks(v.GetString());
      if (EqualsNoCase(text, "True")) return true;
      if (EqualsNoCase(text, "False")) return false;
      return TextToDouble(v.GetString()) != 0.0;
    }
    default: return ToDouble(v) != 0.0;
  }
}

uint8_t CByte(const Variant& v) {
  if (v.Kind() == VarType::Byte) return v.GetByte();
  return static_cast<uint8_t>(RoundInto(ToDouble(v), 0, 255));
}

int16_t CInt(const Variant& v) {
  if (v.Kind() == VarType::Integer) return v.GetInteger();
  return RoundTo<int16_t>(v);
}

int32_t CLng(const Variant& v) {
  if (v.Kind() == VarType::Long) return v.GetLong();
  return RoundTo<int32_t>(v);
}

float CSng(const Variant& v) {
  if (v.Kind() == VarType::Single) return v.GetSingle();
  return ToSingle(ToDouble(v));
}

double CDbl(const Variant& v) {
  if (v.Kind() == VarType::Double) return v.GetDouble();
  return ToDouble(v);
}

DateTime CDate(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Date: return v.GetDate();
    case VarType::String: {
      DateTime d;
      if (!ParseDateTime(v.GetString(), d)) Mismatch();
      return d;
    }
    default: {
      const double serial = ToDouble(v);
      if (!IsDateSerial(serial)) Raise(ErrorNumber::Overflow);
      return DateTime{serial};
    }
  }
}

std::string CStr(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Empty: return {};
    case VarType::Null: Raise(ErrorNumber::InvalidUseOfNull);
    case VarType::Boolean: return v.GetBoolean() ? "True" : "False";
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: {
      char text[16];
      const int32_t n = v.Kind() == VarType::Long      ? v.GetLong()
                        : v.Kind() == VarType::Integer ? v.GetInteger()
                                                       : v.GetByte();
      return std::string(text, std::to_chars(text, text + sizeof text, n).ptr);
    }
    case VarType::Single: return NumberText(v.GetSingle(), true);
    case VarType::Double: return NumberText(v.GetDouble());
    case VarType::Date: return DateTimeText(v.GetDate());
    case VarType::String: return v.GetString();
    case VarType::ByteArray: {
      const auto& bytes = v.GetBytes();
      return std::string(bytes.begin(), bytes.end());
    }
    default: Mismatch();
  }
}

Variant Int(const Variant& v) {
  return WholePart(v, [](double d) { return std::floor(d); });
}
Variant Fix(const Variant& v) {
  return WholePart(v, [](double d) { return std::trunc(d); });
}

namespace {

// Moves a position past the blanks, tabs and line feeds Val ignores anywhere
// in a number.
auto BlankSkipper(std::string_view text) {
  return [text](size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n')) ++at;
  };
}

// The decimal number at i, blanks inside skipped; 0 when there is none.
template <class Skip>
double LeadingDecimal(std::string_view text, size_t i, const Skip& skip) {
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  DecimalDigits digits;
  for (skip(i); i < text.size() && IsDigit(text[i]); ++i, skip(i)) {
    digits.AddWhole(text[i]);
    digits.SawDigit();
  }
  if (i < text.size() && text[i] == '.') {
    for (++i, skip(i); i < text.size() && IsDigit(text[i]); ++i, skip(i)) {
      digits.AddFraction(text[i]);
      digits.SawDigit();
    }
  }
  if (!digits.HasDigits()) return 0.0;
  if (i < text.size()) {
    const char marker = static_cast<char>(text[i] | 0x20);
    if (marker == 'e' || marker == 'd') {
      size_t j = i + 1;
      skip(j);
      bool expNegative = false;
      if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
        expNegative = text[j] == '-';
        ++j;
        skip(j);
      }
      for (; j < text.size() && IsDigit(text[j]); ++j, skip(j)) digits.AddExponentDigit(text[j]);
      if (expNegative) digits.SetExponentNegative();
    }
  }
  const double value = digits.Value(negative);
  return value == 0.0 ? 0.0 : value;
}

}  // namespace

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double Val(std::string_view text) {
  size_t i = 0;
  const auto skip = BlankSkipper(text);
  skip(i);
  if (i < text.size() && text[i] == '&') {
    size_t j = i + 1;
    skip(j);
    if (j < text.size()) {
      const char prefix = static_cast<char>(text[j] | 0x20);
      if (prefix == 'h' || prefix == 'o') {
        ++j;
        uint64_t bits = 0;
        if (ReadRadix(text, j, prefix == 'h' ? 16 : 8, bits, skip) == 0) return 0.0;
        return FromRadixBits(bits);
      }
    }
    return 0.0;
  }
  return LeadingDecimal(text, i, skip);
}

double DecimalVal(std::string_view text) {
  size_t i = 0;
  const auto skip = BlankSkipper(text);
  skip(i);
  return LeadingDecimal(text, i, skip);
}

bool ParseNumber(std::string_view text, double& value) {
  text = TrimBlanks(text);
  if (text.empty()) return false;
  size_t i = 0;
  if (text[0] == '&') {
    if (text.size() < 3) return false;
    const char prefix = static_cast<char>(text[1] | 0x20);
    if (prefix != 'h' && prefix != 'o') return false;
    i = 2;
    uint64_t bits = 0;
    const int count = ReadRadix(text, i, prefix == 'h' ? 16 : 8, bits, [](size_t&) {});
    if (count == 0 || i != text.size() || bits > 0xFFFFFFFF) return false;
    value = FromRadixBits(bits);
    return true;
  }
  const RegionalSettings& regional = RegionalSettings::Current();
  const char point = regional.DecimalPoint;
  const char grouping = regional.Grouping;
  bool negative = false;
  bool leadingSign = false;
  if (text[i] == '-' || text[i] == '+') {
    negative = text[i] == '-';
    leadingSign = true;
    ++i;
    while (i < text.size() && IsTrimmable(text[i])) ++i;
  }
  DecimalDigits digits;
  bool any = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digits.AddWhole(text[i]);
      any = true;
    } else if (!(text[i] == grouping && grouping != point && any)) {
      break;
    }
  }
  if (i < text.size() && text[i] == point) {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      digits.AddFraction(text[i]);
      any = true;
    }
  }
  if (!any) return false;
  if (i < text.size() && ((text[i] | 0x20) == 'e' || (text[i] | 0x20) == 'd')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
      if (text[i] == '-') digits.SetExponentNegative();
      ++i;
    }
    if (i == text.size() || !IsDigit(text[i])) return false;
    for (; i < text.size() && IsDigit(text[i]); ++i) digits.AddExponentDigit(text[i]);
  }
  if (!leadingSign && i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i != text.size()) return false;
  try {
    const double v = digits.Value(negative);
    value = v == 0.0 ? 0.0 : v;
  } catch (const Error&) {
    return false;  // beyond the double range: not a number the system can hold
  }
  return true;
}

bool IsNumeric(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Date: return true;
    case VarType::String: {
      double ignored = 0.0;
      return ParseNumber(v.GetString(), ignored);
    }
    default: return false;
  }
}

bool IsDate(const Variant& v) {
  if (v.Kind() == VarType::Date) return true;
  if (v.Kind() != VarType::String) return false;
  DateTime ignored;
  return ParseDateTime(v.GetString(), ignored);
}

std::string NumberText(double value, bool single) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
  if (value == 0.0) return "0";
  const int precision = single ? 7 : 15;
  char buffer[48];
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                  std::chars_format::scientific, precision - 1)
                        .ptr;
  // buffer holds [-]d.ddddde[+-]xx
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  char digits[24];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
  while (count > 1 && digits[count - 1] == '0') --count;

  std::string out;
  out.reserve(32);
  if (negative) out += '-';
  if (exponent >= -5 && exponent < precision) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out.append(digits, static_cast<size_t>(count));
    } else {
      const int whole = exponent + 1;
      for (int k = 0; k < whole; ++k) out += k < count ? digits[k] : '0';
      if (count > whole) {
        out += '.';
        out.append(digits + whole, static_cast<size_t>(count - whole));
      }
    }
  } else {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits + 1, static_cast<size_t>(count - 1));
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  }
  return out;
}

}  // namespace Runtime
