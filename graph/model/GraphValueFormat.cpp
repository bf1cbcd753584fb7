#include "graph/model/GraphValueFormat.h"

#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Regional.h"

namespace Dravex {

namespace {

// The regional settings keep the decimal point, the group separator and the
// number of decimals; for the other three choices these are the usual regional
// defaults.
constexpr bool RegionalLeadingDigit = true;
constexpr bool RegionalNegParen = false;
constexpr bool RegionalGroupDigits = true;

bool Choice(enuYesNoDefault setting, bool regional) {
  return setting == enuYesNoDefault::Default ? regional : setting != enuYesNoDefault::No;
}

}  // namespace

GraphValueFormat::GraphValueFormat() = default;
GraphValueFormat::~GraphValueFormat() = default;

std::string GraphValueFormat::FormatValue(const Runtime::Variant& expression) const {
  if (expression.IsNull()) return "";
  if (digitsAfterDecimal_ < -1) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  if (!Runtime::IsNumeric(expression)) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);

  const int digits = digitsAfterDecimal_ == -1 ? Runtime::RegionalSettings::Current().Decimals
                                               : digitsAfterDecimal_;
  const bool group = Choice(groupDigits_, RegionalGroupDigits);
  // Without decimals there is no fraction to lead, and 0 must still show.
  const bool leading = digits == 0 || Choice(leadingDigit_, RegionalLeadingDigit);

  std::string number = group ? (leading ? "#,##0" : "#,###") : (leading ? "0" : "#");
  if (digits > 0) number += "." + std::string(static_cast<size_t>(digits), '0');
  const std::string pattern =
      Choice(negParen_, RegionalNegParen) ? number + ";(" + number + ")" : number;

  const Runtime::Variant value =
      expression.IsNumber() ? expression : Runtime::Variant(Runtime::CDbl(expression));
  return Runtime::Format(value, pattern);
}

}  // namespace Dravex
