#include "fuzz/datemacros/FormulaFuzzEntry.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/Clock.h"
#include "viewer/datemacros/modFormula.h"

namespace Kordex::Fuzz {

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

FormulaResult Evaluate(std::string_view formula) {
  try {
    return EvaluateFormula(formula);
  } catch (...) {
    std::abort();
  }
}

void CheckResult(const FormulaResult& result) {
  Require(result.ErrorCode >= FormulaNoError && result.ErrorCode <= FormulaDivisionByZero);
  if (result.ErrorCode != FormulaNoError) {
    Require(result.ValueType == 0 && result.Value.IsEmpty());
  } else if (result.ValueType == FormulaNumber) {
    Require(result.Value.Kind() == Runtime::VarType::Double &&
            std::isfinite(result.Value.GetDouble()));
  } else {
    Require(result.ValueType == FormulaText && result.Value.IsString());
  }
}

}  // namespace

int FormulaInput(const uint8_t* data, size_t size) {
  // Friday 15 March 2024 14:24, so that «Now» gives the same value every run.
  Runtime::Clock::Set(Runtime::DateTime{45366.6});
  const std::string_view formula(reinterpret_cast<const char*>(data), size);
  const FormulaResult result = Evaluate(formula);
  CheckResult(result);
  const FormulaResult bare = Evaluate(RemoveSpaces(formula));
  Require(bare.ErrorCode == result.ErrorCode && bare.ValueType == result.ValueType &&
          bare.Value == result.Value);
  return 0;
}

}  // namespace Kordex::Fuzz
