#pragma once

#include <cstdint>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// The number format of a series' values, as its tables and value tips show
// them. Every setting left at its default takes the regional one.
class DRAVEX_API GraphValueFormat : public DravexObject {
 public:
  GraphValueFormat();
  ~GraphValueFormat() override;

  // -1: the regional number of decimals.
  int16_t DigitsAfterDecimal() const { return digitsAfterDecimal_; }
  void DigitsAfterDecimal(int16_t value) { digitsAfterDecimal_ = value; }
  // A leading zero before the decimal point of a fraction.
  enuYesNoDefault LeadingDigit() const { return leadingDigit_; }
  void LeadingDigit(enuYesNoDefault value) { leadingDigit_ = value; }
  // Negative numbers in parentheses, without a minus sign.
  enuYesNoDefault NegParen() const { return negParen_; }
  void NegParen(enuYesNoDefault value) { negParen_ = value; }
  // Digits grouped with the regional group separator.
  enuYesNoDefault GroupDigits() const { return groupDigits_; }
  void GroupDigits(enuYesNoDefault value) { groupDigits_ = value; }

  // The value as a decimal number in this format, with the regional decimal
  // point and group separator. Null (a gap in the chart) gives ""; a value that
  // is not a number raises type mismatch (13); DigitsAfterDecimal below -1
  // raises invalid procedure call (5).
  std::string FormatValue(const Runtime::Variant& expression) const;

 private:
  int16_t digitsAfterDecimal_ = -1;
  enuYesNoDefault leadingDigit_ = enuYesNoDefault::Default;
  enuYesNoDefault negParen_ = enuYesNoDefault::Default;
  enuYesNoDefault groupDigits_ = enuYesNoDefault::Default;
};

}  // namespace Dravex
