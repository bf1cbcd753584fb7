#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <variant>
#include <vector>

#include "runtime/RuntimeApi.h"

namespace Runtime {

// Base of every object a Variant can refer to (graph objects, collections,
// constraint sets...). Identity is the pointer.
class TAVRO_RUNTIME_API Object {
 public:
  virtual ~Object();
};
using ObjectRef = std::shared_ptr<Object>;

// A date and time: days since 30 Dec 1899, the time of day as the fraction.
// Days before the base count down and the fraction still counts forward
// (-1.25 is 29 Dec 1899 06:00), as the classic date serials do.
struct DateTime {
  double Serial = 0.0;
  friend bool operator==(DateTime a, DateTime b) { return a.Serial == b.Serial; }
};

// The kinds of a Variant, numbered as the classic VarType function numbers them.
enum class VarType : int16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,  // 16-bit
  Long = 3,     // 32-bit
  Single = 4,
  Double = 5,
  Date = 7,
  String = 8,
  Object = 9,
  Error = 10,  // only as the missing-argument marker
  Boolean = 11,
  Byte = 17,
  ByteArray = 8192 + 17,
};

struct NullTag {};
inline constexpr NullTag Null{};

// The classic variant value. Integer (16-bit) and Long (32-bit) stay distinct
// kinds. Text is Windows-1252 bytes. An Object holds a shared reference; a
// Variant of kind Object holding nullptr is Nothing.
class TAVRO_RUNTIME_API Variant {
 public:
  Variant() = default;  // Empty
  Variant(NullTag) : kind_(VarType::Null) {}
  Variant(bool b) : kind_(VarType::Boolean), v_(b) {}
  Variant(uint8_t b) : kind_(VarType::Byte), v_(static_cast<int32_t>(b)) {}
  Variant(int16_t i) : kind_(VarType::Integer), v_(static_cast<int32_t>(i)) {}
  Variant(int32_t l) : kind_(VarType::Long), v_(l) {}
  Variant(float f) : kind_(VarType::Single), v_(static_cast<double>(f)) {}
  Variant(double d) : kind_(VarType::Double), v_(d) {}
  Variant(DateTime d) : kind_(VarType::Date), v_(d.Serial) {}
  Variant(std::string s) : kind_(VarType::String), v_(std::move(s)) {}
  Variant(std::string_view s) : Variant(std::string(s)) {}
  Variant(const char* s) : Variant(std::string(s)) {}
  Variant(ObjectRef o) : kind_(VarType::Object), v_(std::move(o)) {}
  template <class T>
  requires std::is_base_of_v<Object, T> Variant(std::shared_ptr<T> o)
      : Variant(ObjectRef(std::move(o))) {}
  Variant(std::vector<uint8_t> bytes) : kind_(VarType::ByteArray), v_(std::move(bytes)) {}
  // Wider or unsigned integers would silently change kind: convert explicitly.
  Variant(int64_t) = delete;
  Variant(uint32_t) = delete;
  Variant(uint64_t) = delete;
  Variant(long long) = delete;
  Variant(unsigned long long) = delete;

  // The marker an omitted optional argument carries.
  static Variant Missing();
  // An Object variant holding Nothing.
  static Variant Nothing() { return Variant(ObjectRef{}); }

  VarType Kind() const noexcept { return kind_; }
  bool IsEmpty() const noexcept { return kind_ == VarType::Empty; }
  bool IsNull() const noexcept { return kind_ == VarType::Null; }
  bool IsMissing() const noexcept { return kind_ == VarType::Error; }
  bool IsObject() const noexcept { return kind_ == VarType::Object; }
  bool IsNothing() const noexcept { return kind_ == VarType::Object && !Obj(); }
  bool IsString() const noexcept { return kind_ == VarType::String; }
  // Byte, Integer, Long, Single, Double (not Boolean, not Date).
  bool IsNumber() const noexcept;

  // Raw access to the value held; a wrong kind raises type mismatch (13). Use
  // the conversions (CInt, CDbl, CStr...) to convert between kinds.
  bool GetBoolean() const;
  int16_t GetInteger() const;
  int32_t GetLong() const;
  uint8_t GetByte() const;
  float GetSingle() const;
  double GetDouble() const;
  DateTime GetDate() const;
  const std::string& GetString() const;
  const ObjectRef& GetObject() const;
  const std::vector<uint8_t>& GetBytes() const;

  // The object held, cast to T; nullptr for Nothing or another class. A
  // non-object raises type mismatch.
  template <class T>
  std::shared_ptr<T> ObjectAs() const {
    const ObjectRef& object = GetObject();
    if (!object) return nullptr;
    // An object of the very class asked for needs no search of its bases. The
    // type is taken of a named reference, not of *object: clang counts the
    // operator call in typeid as a side effect.
    const Object& held = *object;
    if (typeid(held) == typeid(T)) return std::static_pointer_cast<T>(object);
    return std::dynamic_pointer_cast<T>(object);
  }

  // Identity: the same kind and the same value (objects by reference, Null is
  // identical to Null). This is not the system's "=" (see Eq), but what tests
  // and containers need.
  friend TAVRO_RUNTIME_API bool operator==(const Variant& a, const Variant& b);

 private:
  const ObjectRef& Obj() const noexcept;

  VarType kind_ = VarType::Empty;
  // Boolean lives in bool; Byte, Integer and Long in int32_t; Single, Double
  // and Date in double, so numbers never allocate.
  std::variant<std::monostate, bool, int32_t, double, std::string, ObjectRef, std::vector<uint8_t>>
      v_;
};

// Arithmetic with the classic rules: Null propagates; Empty acts as 0 (or "" in
// a concatenation); numeric text converts (text + text concatenates); a number
// with non-numeric text is type mismatch (13); the result takes the wider kind
// of the operands (Byte < Integer < Long < Single < Double, Boolean and Empty
// as Integer, Long with Single gives Double, numeric text gives Double; Date
// with a number gives a Date, Date - Date a Double); a Byte, Integer, Long,
// Single, Double or Date result out of its range is overflow (6); division by
// zero is error 11 (0 / 0 is overflow, as classic).
TAVRO_RUNTIME_API Variant operator+(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant operator-(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant operator*(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant operator/(const Variant& a,
                                    const Variant& b);  // always Double (or Single)
TAVRO_RUNTIME_API Variant operator-(const Variant& a);
TAVRO_RUNTIME_API Variant IntDiv(const Variant& a, const Variant& b);  // the "\" operator
TAVRO_RUNTIME_API Variant Mod(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant Pow(const Variant& a, const Variant& b);     // the "^" operator
TAVRO_RUNTIME_API Variant Concat(const Variant& a, const Variant& b);  // the "&" operator

// Logical and bitwise operators on Booleans and integers (Null rules as classic).
TAVRO_RUNTIME_API Variant Not(const Variant& a);
TAVRO_RUNTIME_API Variant And(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant Or(const Variant& a, const Variant& b);
TAVRO_RUNTIME_API Variant Xor(const Variant& a, const Variant& b);

// Comparison with the classic rules: a Boolean result, or Null when either side
// is Null. Numbers compare as numbers, a number with numeric text as numbers,
// and a number with other text is type mismatch (13); text compares binary, or without
// regard to case when textCompare is set; objects raise type mismatch.
TAVRO_RUNTIME_API Variant Eq(const Variant& a, const Variant& b, bool textCompare = false);
TAVRO_RUNTIME_API Variant Ne(const Variant& a, const Variant& b, bool textCompare = false);
TAVRO_RUNTIME_API Variant Lt(const Variant& a, const Variant& b, bool textCompare = false);
TAVRO_RUNTIME_API Variant Le(const Variant& a, const Variant& b, bool textCompare = false);
TAVRO_RUNTIME_API Variant Gt(const Variant& a, const Variant& b, bool textCompare = false);
TAVRO_RUNTIME_API Variant Ge(const Variant& a, const Variant& b, bool textCompare = false);

// What an If statement makes of a value: CBool, except that a Null condition
// counts as False (a comparison with a missing value never holds).
TAVRO_RUNTIME_API bool IsTrue(const Variant& v);

// The "Is" operator: both are objects (or Nothing) and refer to the same one.
TAVRO_RUNTIME_API bool Is(const Variant& a, const Variant& b);

// Readable test output: the kind and the value, e.g. Integer(5), String("a"),
// Date(45352.5).
TAVRO_RUNTIME_API void PrintTo(const Variant& v, std::ostream* os);
TAVRO_RUNTIME_API void PrintTo(DateTime d, std::ostream* os);

}  // namespace Runtime
