#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "runtime/RuntimeApi.h"

namespace Runtime {

// The run-time error numbers the system raises and traps.
namespace ErrorNumber {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t BadFileNameOrNumber = 52;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t InputPastEndOfFile = 62;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t ObjectDoesNotSupport = 438;
inline constexpr int32_t ArgumentNotOptional = 449;
inline constexpr int32_t DuplicateKey = 457;
// Raised by a Collection for a key it does not hold (the classic runtime
// reports it as error 5, "Invalid procedure call or argument").
inline constexpr int32_t KeyNotFound = InvalidProcedureCall;
}  // namespace ErrorNumber

// The one exception type of the system: "raise an error for the caller" throws
// it, "trap the error" catches it.
class TAVRO_RUNTIME_API Error : public std::runtime_error {
public:
  explicit Error(int32_t number, std::string source = {}, std::string description = {});

  int32_t Number() const noexcept { return number_; }
  const std::string& Source() const noexcept { return source_; }
  const std::string& Description() const noexcept { return description_; }

  // The standard text of a run-time error number ("Overflow", "Type mismatch"...).
  static std::string DefaultDescription(int32_t number);

private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// Throws Error(number) with the standard description.
[[noreturn]] TAVRO_RUNTIME_API void Raise(int32_t number, const std::string& source = {},
                                          const std::string& description = {});

}  // namespace Runtime
