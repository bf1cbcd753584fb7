#include "runtime/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"

namespace Runtime {

Object::~Object() = default;

namespace {

[[noreturn]] void Mismatch() {
  Raise(ErrorNumber::TypeMismatch);
}

}  // namespace

Variant Variant::Missing() {
  Variant v;
  v.kind_ = VarType::Error;
  return v;
}

bool Variant::IsNumber() const noexcept {
  switch (kind_) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double: return true;
    default: return false;
  }
}

bool Variant::GetBoolean() const {
  if (kind_ != VarType::Boolean) Mismatch();
  return std::get<bool>(v_);
}

int16_t Variant::GetInteger() const {
  if (kind_ != VarType::Integer) Mismatch();
  return static_cast<int16_t>(std::get<int32_t>(v_));
}

int32_t Variant::GetLong() const {
  if (kind_ != VarType::Long) Mismatch();
  return std::get<int32_t>(v_);
}

uint8_t Variant::GetByte() const {
  if (kind_ != VarType::Byte) Mismatch();
  return static_cast<uint8_t>(std::get<int32_t>(v_));
}

float Variant::GetSingle() const {
  if (kind_ != VarType::Single) Mismatch();
  return static_cast<float>(std::get<double>(v_));
}

double Variant::GetDouble() const {
  if (kind_ != VarType::Double) Mismatch();
  return std::get<double>(v_);
}

DateTime Variant::GetDate() const {
  if (kind_ != VarType::Date) Mismatch();
  return DateTime{std::get<double>(v_)};
}

const std::string& Variant::GetString() const {
  if (kind_ != VarType::String) Mismatch();
  return std::get<std::string>(v_);
}

const ObjectRef& Variant::GetObject() const {
  if (kind_ != VarType::Object) Mismatch();
  return std::get<ObjectRef>(v_);
}

const std::vector<uint8_t>& Variant::GetBytes() const {
  if (kind_ != VarType::ByteArray) Mismatch();
  return std::get<std::vector<uint8_t>>(v_);
}

const ObjectRef& Variant::Obj() const noexcept {
  static const ObjectRef none;
  const auto* o = std::get_if<ObjectRef>(&v_);
  return o ? *o : none;
}

bool operator==(const Variant& a, const Variant& b) {
  return a.kind_ == b.kind_ && a.v_ == b.v_;
}

namespace {

// An operand of arithmetic reduced to what the operators need. The order of
// the first five kinds is their order of width.
enum class Num { Byte, Integer, Long, Single, Double, Date, Text };

struct Operand {
  Num kind;
  int32_t whole = 0;   // Byte, Integer, Long
  double value = 0.0;  // every kind
};

Operand Whole(Num kind, int32_t n) {
  return Operand{kind, n, static_cast<double>(n)};
}

// Empty acts as the Integer 0, a Boolean as the Integer -1 or 0; text must
// read as a number.
Operand ToOperand(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Empty: return Whole(Num::Integer, 0);
    case VarType::Boolean: return Whole(Num::Integer, v.GetBoolean() ? -1 : 0);
    case VarType::Byte: return Whole(Num::Byte, v.GetByte());
    case VarType::Integer: return Whole(Num::Integer, v.GetInteger());
    case VarType::Long: return Whole(Num::Long, v.GetLong());
    case VarType::Single: return Operand{Num::Single, 0, v.GetSingle()};
    case VarType::Double: return Operand{Num::Double, 0, v.GetDouble()};
    case VarType::Date: return Operand{Num::Date, 0, v.GetDate().Serial};
    case VarType::String: {
      double d = 0.0;
      if (!ParseNumber(v.GetString(), d)) Mismatch();
      return Operand{Num::Text, 0, d};
    }
    default: Mismatch();
  }
}

// The result of whole-number arithmetic on variants: the operands' type when
// it holds the value, else the next wider one (Byte, Integer, Long, Double).
// Only a fixed-width conversion overflows, never the arithmetic itself.
Variant WidenedResult(Num kind, int64_t r) {
  if (kind == Num::Byte && r >= 0 && r <= 255) return static_cast<uint8_t>(r);
  if (kind <= Num::Integer && r >= std::numeric_limits<int16_t>::min() &&
      r <= std::numeric_limits<int16_t>::max()) {
    return static_cast<int16_t>(r);
  }
  if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max()) {
    return static_cast<int32_t>(r);
  }
  return static_cast<double>(r);
}

Variant DoubleResult(double r) {
  if (!std::isfinite(r)) Raise(ErrorNumber::Overflow);
  return r;
}

Variant FloatResult(Num kind, double r) {
  switch (kind) {
    case Num::Single: return ToSingle(r);
    case Num::Date: return CDate(DoubleResult(r));  // checks the date range
    default: return DoubleResult(r);
  }
}

enum class Op { Add, Subtract, Multiply };

Num ResultKind(Num a, Num b, Op op) {
  if (a == Num::Date || b == Num::Date) {
    if (op == Op::Multiply) return Num::Double;
    if (op == Op::Subtract && a == Num::Date && b == Num::Date) return Num::Double;
    return Num::Date;
  }
  if (a == Num::Text || b == Num::Text) return Num::Double;
  if ((a == Num::Long && b == Num::Single) || (a == Num::Single && b == Num::Long)) {
    return Num::Double;
  }
  return a > b ? a : b;
}

bool IsRefused(const Variant& v) {
  const VarType k = v.Kind();
  return k == VarType::Object || k == VarType::ByteArray || k == VarType::Error;
}

Variant Arithmetic(const Variant& a, const Variant& b, Op op) {
  // The loader's sums run through here: Doubles go straight through.
  if (a.Kind() == VarType::Double && b.Kind() == VarType::Double) {
    const double x = a.GetDouble(), y = b.GetDouble();
    return DoubleResult(op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y);
  }
  // Sums of counts: two Longs give a Long while it holds the result.
  if (a.Kind() == VarType::Long && b.Kind() == VarType::Long) {
    const int64_t x = a.GetLong(), y = b.GetLong();
    return WidenedResult(Num::Long, op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y);
  }
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  if (a.IsNull() || b.IsNull()) return Null;
  if (op == Op::Add) {
    if (a.IsString() && (b.IsString() || b.IsEmpty())) return a.GetString() + CStr(b);
    if (a.IsEmpty() && b.IsString()) return b;
  }
  const Operand x = ToOperand(a);
  const Operand y = ToOperand(b);
  const Num kind = ResultKind(x.kind, y.kind, op);
  if (kind <= Num::Long) {
    const int64_t p = x.whole, q = y.whole;
    return WidenedResult(kind, op == Op::Add ? p + q : op == Op::Subtract ? p - q : p * q);
  }
  const double p = x.value, q = y.value;
  return FloatResult(kind, op == Op::Add ? p + q : op == Op::Subtract ? p - q : p * q);
}

// "\" and Mod work on whole numbers: Byte, Integer and Long as they are,
// everything else rounded to a Long.
Operand ToWholeOperand(const Variant& v) {
  const Operand o = ToOperand(v);
  if (o.kind <= Num::Long) return o;
  return Whole(Num::Long, CLng(o.value));
}

Num WholeKind(Num a, Num b) {
  return a > b ? a : b;
}

// The bit patterns of the logical operators: a Boolean stays Boolean only
// with another Boolean.
enum class Bits { Boolean, Byte, Integer, Long };

struct BitOperand {
  Bits kind;
  int32_t value;
};

BitOperand ToBitOperand(const Variant& v) {
  switch (v.Kind()) {
    case VarType::Boolean: return {Bits::Boolean, v.GetBoolean() ? -1 : 0};
    case VarType::Byte: return {Bits::Byte, v.GetByte()};
    case VarType::Empty: return {Bits::Integer, 0};
    case VarType::Integer: return {Bits::Integer, v.GetInteger()};
    case VarType::String: {
      const std::string& text = v.GetString();
      if (EqualsNoCase(text, "True")) return {Bits::Boolean, -1};
      if (EqualsNoCase(text, "False")) return {Bits::Boolean, 0};
      return {Bits::Long, CLng(v)};
    }
    default:
      if (IsRefused(v)) Mismatch();
      return {Bits::Long, CLng(v)};
  }
}

Variant BitResult(Bits kind, int32_t value) {
  switch (kind) {
    case Bits::Boolean: return value != 0;
    case Bits::Byte: return static_cast<uint8_t>(value & 0xFF);
    case Bits::Integer: return static_cast<int16_t>(value);
    default: return value;
  }
}

Bits BitKind(Bits a, Bits b) {
  if (a == b) return a;
  if (a == Bits::Long || b == Bits::Long) return Bits::Long;
  return Bits::Integer;
}

bool AllOnes(const BitOperand& o) {
  return o.kind == Bits::Byte ? o.value == 0xFF : o.value == -1;
}

}  // namespace

Variant operator+(const Variant& a, const Variant& b) {
  return Arithmetic(a, b, Op::Add);
}
Variant operator-(const Variant& a, const Variant& b) {
  return Arithmetic(a, b, Op::Subtract);
}
Variant operator*(const Variant& a, const Variant& b) {
  return Arithmetic(a, b, Op::Multiply);
}

Variant operator/(const Variant& a, const Variant& b) {
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  if (a.IsNull() || b.IsNull()) return Null;
  const Operand x = ToOperand(a);
  const Operand y = ToOperand(b);
  if (y.value == 0.0) Raise(x.value == 0.0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero);
  const double r = x.value / y.value;
  const auto narrow = [](Num k) { return k == Num::Byte || k == Num::Integer || k == Num::Single; };
  if ((x.kind == Num::Single || y.kind == Num::Single) && narrow(x.kind) && narrow(y.kind)) {
    return ToSingle(r);
  }
  return DoubleResult(r);
}

Variant operator-(const Variant& a) {
  if (IsRefused(a)) Mismatch();
  if (a.IsNull()) return Null;
  const Operand x = ToOperand(a);
  switch (x.kind) {
    case Num::Byte:
    case Num::Integer: return WidenedResult(Num::Integer, -int64_t{x.whole});
    case Num::Long: return WidenedResult(Num::Long, -int64_t{x.whole});
    case Num::Text: return DoubleResult(-x.value);
    default: return FloatResult(x.kind, -x.value);
  }
}

Variant IntDiv(const Variant& a, const Variant& b) {
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  if (a.IsNull() || b.IsNull()) return Null;
  const Operand x = ToWholeOperand(a);
  const Operand y = ToWholeOperand(b);
  if (y.whole == 0) Raise(ErrorNumber::DivisionByZero);
  // "\" answers in its operands' type: only the smallest Integer or Long
  // divided by -1 leaves it.
  const Num kind = WholeKind(x.kind, y.kind);
  const int64_t r = int64_t{x.whole} / y.whole;
  const int64_t most = kind <= Num::Integer ? std::numeric_limits<int16_t>::max()
                                            : std::numeric_limits<int32_t>::max();
  if (r > most) Raise(ErrorNumber::Overflow);
  return WidenedResult(kind, r);
}

Variant Mod(const Variant& a, const Variant& b) {
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  if (a.IsNull() || b.IsNull()) return Null;
  const Operand x = ToWholeOperand(a);
  const Operand y = ToWholeOperand(b);
  if (y.whole == 0) Raise(ErrorNumber::DivisionByZero);
  return WidenedResult(WholeKind(x.kind, y.kind), int64_t{x.whole} % y.whole);
}

Variant Pow(const Variant& a, const Variant& b) {
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  if (a.IsNull() || b.IsNull()) return Null;
  const double x = ToOperand(a).value;
  const double y = ToOperand(b).value;
  if (x == 0.0 && y < 0.0) Raise(ErrorNumber::DivisionByZero);
  const double r = std::pow(x, y);
  if (std::isnan(r))
    Raise(ErrorNumber::InvalidProcedureCall);  // a negative base, a fractional power
  return DoubleResult(r);
}

Variant Concat(const Variant& a, const Variant& b) {
  if (a.IsNull() && b.IsNull()) return Null;
  std::string text = a.IsNull() ? std::string() : CStr(a);
  if (!b.IsNull()) text += CStr(b);
  return text;
}

Variant Not(const Variant& a) {
  if (a.IsNull()) return Null;
  const BitOperand x = ToBitOperand(a);
  return BitResult(x.kind, ~x.value);
}

Variant And(const Variant& a, const Variant& b) {
  if (a.IsNull() && b.IsNull()) return Null;
  if (a.IsNull() || b.IsNull()) {
    // Null And 0 is 0 whatever Null stands for.
    const BitOperand known = ToBitOperand(a.IsNull() ? b : a);
    return known.value == 0 ? BitResult(known.kind, 0) : Variant(Null);
  }
  const BitOperand x = ToBitOperand(a);
  const BitOperand y = ToBitOperand(b);
  return BitResult(BitKind(x.kind, y.kind), x.value & y.value);
}

Variant Or(const Variant& a, const Variant& b) {
  if (a.IsNull() && b.IsNull()) return Null;
  if (a.IsNull() || b.IsNull()) {
    // Null Or True is True whatever Null stands for.
    const BitOperand known = ToBitOperand(a.IsNull() ? b : a);
    return AllOnes(known) ? BitResult(known.kind, known.value) : Variant(Null);
  }
  const BitOperand x = ToBitOperand(a);
  const BitOperand y = ToBitOperand(b);
  return BitResult(BitKind(x.kind, y.kind), x.value | y.value);
}

Variant Xor(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) {
    ToBitOperand(a.IsNull() ? b : a);  // still a type mismatch for an object
    return Null;
  }
  const BitOperand x = ToBitOperand(a);
  const BitOperand y = ToBitOperand(b);
  return BitResult(BitKind(x.kind, y.kind), x.value ^ y.value);
}

namespace {

int Sign(double d) {
  return d < 0 ? -1 : d > 0 ? 1 : 0;
}

int CompareText(std::string_view a, std::string_view b, bool textCompare) {
  if (textCompare) return StrComp(a, b, CompareMethod::Text);
  const int c = a.compare(b);  // bytes compare unsigned
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// -1, 0 or 1; neither side is Null.
int Compare(const Variant& a, const Variant& b, bool textCompare) {
  if (a.Kind() == VarType::Double && b.Kind() == VarType::Double) {
    const double x = a.GetDouble(), y = b.GetDouble();
    return x < y ? -1 : x > y ? 1 : 0;
  }
  if (IsRefused(a) || IsRefused(b)) Mismatch();
  const bool textA = a.IsString(), textB = b.IsString();
  if (textA || textB) {
    if (textA && textB) return CompareText(a.GetString(), b.GetString(), textCompare);
    if (a.IsEmpty()) return CompareText({}, b.GetString(), textCompare);
    if (b.IsEmpty()) return CompareText(a.GetString(), {}, textCompare);
    const double number = textA ? CDbl(b) : CDbl(a);
    double text = 0.0;
    if (!ParseNumber(textA ? a.GetString() : b.GetString(), text)) Mismatch();
    return textA ? Sign(text - number) : Sign(number - text);
  }
  const double x = CDbl(a), y = CDbl(b);
  return x < y ? -1 : x > y ? 1 : 0;
}

template <class Test>
Variant Comparison(const Variant& a, const Variant& b, bool textCompare, Test test) {
  if (a.IsNull() || b.IsNull()) {
    if (IsRefused(a) || IsRefused(b)) Mismatch();
    return Null;
  }
  return test(Compare(a, b, textCompare));
}

}  // namespace

Variant Eq(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c == 0; });
}
Variant Ne(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c != 0; });
}
Variant Lt(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c < 0; });
}
Variant Le(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c <= 0; });
}
Variant Gt(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c > 0; });
}
Variant Ge(const Variant& a, const Variant& b, bool textCompare) {
  return Comparison(a, b, textCompare, [](int c) { return c >= 0; });
}

bool IsTrue(const Variant& v) {
  return !v.IsNull() && CBool(v);
}

bool Is(const Variant& a, const Variant& b) {
  return a.IsObject() && b.IsObject() && a.GetObject() == b.GetObject();
}

namespace {

// The shortest text that reads back as the same number.
template <class T>
void PrintNumber(const char* kind, T value, std::ostream* os) {
  char text[32];
  *os << kind << '(' << std::string_view(text, std::to_chars(text, text + sizeof text, value).ptr)
      << ')';
}

}  // namespace

void PrintTo(DateTime d, std::ostream* os) {
  PrintNumber("Date", d.Serial, os);
}

void PrintTo(const Variant& v, std::ostream* os) {
  switch (v.Kind()) {
    case VarType::Empty: *os << "Empty"; break;
    case VarType::Null: *os << "Null"; break;
    case VarType::Error: *os << "Missing"; break;
    case VarType::Boolean: *os << (v.GetBoolean() ? "Boolean(True)" : "Boolean(False)"); break;
    case VarType::Byte: *os << "Byte(" << int{v.GetByte()} << ')'; break;
    case VarType::Integer: *os << "Integer(" << v.GetInteger() << ')'; break;
    case VarType::Long: *os << "Long(" << v.GetLong() << ')'; break;
    case VarType::Single: PrintNumber("Single", v.GetSingle(), os); break;
    case VarType::Double: PrintNumber("Double", v.GetDouble(), os); break;
    case VarType::Date: PrintTo(v.GetDate(), os); break;
    case VarType::String: *os << "String(\"" << v.GetString() << "\")"; break;
    case VarType::Object:
      if (v.IsNothing()) {
        *os << "Nothing";
      } else {
        *os << "Object(" << static_cast<const void*>(v.GetObject().get()) << ')';
      }
      break;
    case VarType::ByteArray: *os << "ByteArray(" << v.GetBytes().size() << " bytes)"; break;
  }
}

}  // namespace Runtime
