#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Variant.h"

namespace Kordex {

// The date-macro formula language: formulas such as «Now-7» or
// «Date(Year(Now),Month(Now),1)» that the date-range dialog and the macro
// editor evaluate. Values are numbers (doubles; dates are serials) or texts.
// Function calls are evaluated while tokenizing, so the token list that
// reaches the shunting-yard holds operands, operators and brackets only.

// Value types.
inline constexpr int32_t FormulaNumber = 1;
inline constexpr int32_t FormulaText = 2;

// Token kinds.
inline constexpr int32_t TokenOperator = 0;
inline constexpr int32_t TokenOperand = 1;
inline constexpr int32_t TokenFunction = 2;
inline constexpr int32_t TokenOpenBracket = 3;
inline constexpr int32_t TokenCloseBracket = 4;

// Error codes (texts from FormulaErrorText).
inline constexpr int32_t FormulaNoError = 0;
inline constexpr int32_t FormulaSyntaxError = 1;
inline constexpr int32_t FormulaTypeMismatch = 2;
inline constexpr int32_t FormulaMismatchedBrackets = 3;
inline constexpr int32_t FormulaParameterCount = 4;
inline constexpr int32_t FormulaDivisionByZero = 5;

// The longest formula (blanks removed) that is evaluated; token counts are
// 16-bit.
inline constexpr size_t FormulaMaxLength = 32767;
// How deep function calls may nest; each level is one recursion.
inline constexpr int FormulaMaxCallDepth = 64;

struct FormulaOperator {
  int16_t Index = 0;  // 1-based position in the operator table
  std::string Symbol;
  int32_t OperandCount = 0;
  int16_t Precedence = 0;
};

struct FormulaFunction {
  std::string Name;
  int32_t ReturnType = 0;
  int16_t ParameterCount = 0;
  std::vector<int32_t> ParameterTypes;
};

struct FormulaToken {
  int32_t Kind = TokenOperator;
  Runtime::Variant Value;  // operands
  int32_t ValueType = 0;   // operands
  FormulaOperator Operator;
  FormulaFunction Function;
};

struct FormulaStack {
  int16_t Count = 0;
  std::vector<FormulaToken> Items;  // Items[0] is the bottom
};

struct FormulaResult {
  int32_t ValueType = 0;
  Runtime::Variant Value;
  int32_t ErrorCode = FormulaNoError;
};

// Tables.
void InitFormula();
void AddOperator(const std::string& symbol, int32_t operandCount, int16_t precedence);
void AddFunction(const std::string& name, int32_t returnType, const std::vector<int32_t>& types);
std::string FormulaErrorText(int32_t errorCode);

// Tokenizer.
FormulaStack Tokenize(std::string_view formula, int32_t& errorCode);
std::string RemoveSpaces(std::string_view text);
int16_t FindFunction(std::string_view rest);
int16_t FindOperator(std::string_view rest);
FormulaResult ParseLiteral(std::string_view text);
// rest: the text after the call's "("; argumentsEnd: the 1-based position of
// the call's ")" within rest.
FormulaStack ParseArguments(std::string_view rest, int32_t& errorCode, int16_t& argumentsEnd);

// Stacks.
void PushValue(FormulaStack& stack, int32_t kind, const Runtime::Variant& value);
void PushToken(FormulaStack& stack, const FormulaToken& token);
FormulaToken PopToken(FormulaStack& stack);
FormulaToken PeekToken(FormulaStack& stack);
FormulaStack ReverseStack(const FormulaStack& stack);

// Evaluation. EvaluateFormula never throws: every failure is an error code.
FormulaResult EvaluateFormula(std::string_view formula);
FormulaStack InfixToPostfix(FormulaStack tokens, int32_t& errorCode);
FormulaResult EvaluatePostfix(FormulaStack postfix);
void CallFunction(FormulaResult& result, int16_t& functionIndex, FormulaStack& arguments);

}  // namespace Kordex
