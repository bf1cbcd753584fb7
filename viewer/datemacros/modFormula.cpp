#include "viewer/datemacros/modFormula.h"

#include <cmath>
#include <exception>
#include <utility>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"

namespace Kordex {

using Runtime::Variant;

namespace {

struct FormulaTables {
  std::vector<FormulaOperator> Operators;
  std::vector<FormulaFunction> Functions;
  bool Initialised = false;
};

FormulaTables& Tables() {
  static FormulaTables tables;
  return tables;
}

// How many function calls are being evaluated, one inside the other.
int callDepth = 0;

class CallLevel {
 public:
  CallLevel() { ++callDepth; }
  ~CallLevel() { --callDepth; }
  CallLevel(const CallLevel&) = delete;
  CallLevel& operator=(const CallLevel&) = delete;
};

FormulaResult Failed(int32_t code) {
  FormulaResult result;
  result.ErrorCode = code;
  return result;
}

bool IsTextValue(const Variant& value) {
  return value.IsString();
}

double Number(const Variant& value) {
  return Runtime::CDbl(value);
}

Variant Truth(bool condition) {
  return condition ? -1.0 : 0.0;
}

// The row of a table at a 1-based index.
template <class Row>
const Row& TableRow(const std::vector<Row>& table, const Variant& value) {
  const int16_t index = Runtime::CInt(value);
  if (index < 1 || static_cast<size_t>(index) > table.size()) {
    Runtime::Raise(Runtime::ErrorNumber::SubscriptOutOfRange);
  }
  return table[static_cast<size_t>(index - 1)];
}

// One binary operator on two numbers; a zero divisor is reported as a code,
// anything the runtime refuses raises.
Variant ApplyOperator(const std::string& symbol, const Variant& left, const Variant& right,
                      int32_t& errorCode) {
  const double l = Number(left);
  const double r = Number(right);
  if (symbol == "+") return Runtime::CDbl(left + right);
  if (symbol == "-") return Runtime::CDbl(left - right);
  if (symbol == "*") return Runtime::CDbl(left * right);
  if (symbol == "/" || symbol == "\\") {
    if (r == 0.0) {
      errorCode = FormulaDivisionByZero;
      return {};
    }
    return Runtime::CDbl(symbol == "/" ? left / right : Runtime::IntDiv(left, right));
  }
  if (symbol == "&") return Runtime::CDbl(Runtime::And(left, right));
  if (symbol == "|") return Runtime::CDbl(Runtime::Or(left, right));
  if (symbol == "^") return Runtime::CDbl(Runtime::Pow(left, right));
  if (symbol == "=<" || symbol == "<=") return Truth(l <= r);
  if (symbol == ">=" || symbol == "=>") return Truth(l >= r);
  if (symbol == "<>") return Truth(l != r);
  if (symbol == "=") return Truth(l == r);
  if (symbol == "<") return Truth(l < r);
  if (symbol == ">") return Truth(l > r);
  errorCode = FormulaSyntaxError;
  return {};
}

// A number read as a date; outside the years the dates cover it raises.
Runtime::DateTime AsDate(const Variant& value) {
  return Runtime::CDate(Variant(Number(value)));
}

}  // namespace

void InitFormula() {
  FormulaTables& tables = Tables();
  tables.Operators.clear();
  tables.Functions.clear();

  AddOperator("+", 2, 4);
  AddOperator("-", 2, 4);
  AddOperator("*", 2, 5);
  AddOperator("/", 2, 5);
  AddOperator("\\", 2, 5);
  AddOperator("&", 2, 2);
  AddOperator("|", 2, 1);
  AddOperator("^", 2, 6);
  // The two-character comparisons come before "=", "<" and ">" so that they
  // match first.
  AddOperator("=<", 2, 3);
  AddOperator("<=", 2, 3);
  AddOperator(">=", 2, 3);
  AddOperator("=>", 2, 3);
  AddOperator("<>", 2, 3);
  AddOperator("=", 2, 3);
  AddOperator("<", 2, 3);
  AddOperator(">", 2, 3);

  AddFunction("Now", FormulaNumber, {});
  AddFunction("Month", FormulaNumber, {FormulaNumber});
  AddFunction("Mod", FormulaNumber, {FormulaNumber, FormulaNumber});
  AddFunction("Day", FormulaNumber, {FormulaNumber});
  AddFunction("Year", FormulaNumber, {FormulaNumber});
  AddFunction("Date", FormulaNumber, {FormulaNumber, FormulaNumber, FormulaNumber});
  AddFunction("DayOfWeek", FormulaNumber, {FormulaNumber});
  AddFunction("Str", FormulaText, {FormulaNumber});
  AddFunction("Concat", FormulaText, {FormulaText, FormulaText});
  AddFunction("IfText", FormulaText, {FormulaNumber, FormulaText, FormulaText});
  AddFunction("IfNum", FormulaNumber, {FormulaNumber, FormulaNumber, FormulaNumber});
  AddFunction("Not", FormulaNumber, {FormulaNumber});

  tables.Initialised = true;
}

void AddOperator(const std::string& symbol, int32_t operandCount, int16_t precedence) {
  std::vector<FormulaOperator>& operators = Tables().Operators;
  FormulaOperator row;
  row.Index = static_cast<int16_t>(operators.size() + 1);
  row.Symbol = symbol;
  row.OperandCount = operandCount;
  row.Precedence = precedence;
  operators.push_back(std::move(row));
}

void AddFunction(const std::string& name, int32_t returnType, const std::vector<int32_t>& types) {
  FormulaFunction row;
  row.Name = name;
  row.ReturnType = returnType;
  for (int32_t type : types) {
    if (type == FormulaNumber || type == FormulaText) row.ParameterTypes.push_back(type);
  }
  row.ParameterCount = static_cast<int16_t>(row.ParameterTypes.size());
  Tables().Functions.push_back(std::move(row));
}

std::string FormulaErrorText(int32_t errorCode) {
  switch (errorCode) {
    case FormulaNoError: return "No Error";
    case FormulaSyntaxError: return "Syntax Error";
    case FormulaTypeMismatch: return "Type Mismatch Error";
    case FormulaMismatchedBrackets: return "Mismatched Brackets Error";
    case FormulaParameterCount: return "Number Of Parameters Error";
    case FormulaDivisionByZero: return "Division By Zero Error";
    default: return "";
  }
}

std::string RemoveSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t') out += c;
  }
  return out;
}

int16_t FindFunction(std::string_view rest) {
  const std::vector<FormulaFunction>& functions = Tables().Functions;
  for (size_t k = 0; k < functions.size(); ++k) {
    const FormulaFunction& function = functions[k];
    const size_t length = function.Name.size();
    if (rest.size() < length || !Runtime::EqualsNoCase(rest.substr(0, length), function.Name)) {
      continue;
    }
    // A function without parameters is a call with or without its brackets:
    // «Now-7» is as good as «Now()-7».
    if ((rest.size() > length && rest[length] == '(') || function.ParameterCount == 0) {
      return static_cast<int16_t>(k + 1);
    }
  }
  return 0;
}

int16_t FindOperator(std::string_view rest) {
  for (const FormulaOperator& op : Tables().Operators) {
    const size_t length = op.Symbol.size();
    if (rest.size() >= length && Runtime::EqualsNoCase(rest.substr(0, length), op.Symbol)) {
      return op.Index;
    }
  }
  return 0;
}

FormulaResult ParseLiteral(std::string_view text) {
  FormulaResult result;
  if (text.size() > 1 && text.front() == '"' && text.back() == '"') {
    result.ValueType = FormulaText;
    result.Value = std::string(text.substr(1, text.size() - 2));
    return result;
  }
  // Only a number in its canonical text form is accepted: «007» and «.50» are
  // 7 and 0.5, «1e3» and «1,5» are not numbers.
  size_t zeros = 0;
  while (text.size() - zeros >= 2 && text[zeros] == '0') ++zeros;
  std::string normal(text.substr(zeros));
  if (normal.find('.') != std::string::npos) {
    while (!normal.empty() && normal.back() == '0') normal.pop_back();
    if (!normal.empty() && normal.front() == '.') normal.insert(normal.begin(), '0');
    if (!normal.empty() && normal.back() == '.') normal.pop_back();
  }
  const double value = Runtime::Val(normal);
  if (!std::isfinite(value) || Runtime::NumberText(value) != normal) {
    result.ErrorCode = FormulaSyntaxError;
    return result;
  }
  result.ValueType = FormulaNumber;
  result.Value = value;
  return result;
}

FormulaStack ParseArguments(std::string_view rest, int32_t& errorCode, int16_t& argumentsEnd) {
  errorCode = FormulaNoError;
  argumentsEnd = 0;
  size_t close = std::string_view::npos;
  int depth = 1;
  bool inQuotes = false;
  for (size_t k = 0; k < rest.size(); ++k) {
    const char c = rest[k];
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (!inQuotes && c == '(') {
      ++depth;
    } else if (!inQuotes && c == ')' && --depth == 0) {
      close = k;
      break;
    }
  }
  if (close == std::string_view::npos) {
    errorCode = FormulaMismatchedBrackets;
    return {};
  }
  argumentsEnd = static_cast<int16_t>(close + 1);

  FormulaStack arguments;
  if (close == 0) return arguments;
  size_t start = 0;
  depth = 0;
  inQuotes = false;
  for (size_t k = 0; k <= close; ++k) {
    const char c = rest[k];
    if (k == close || (c == ',' && !inQuotes && depth == 0)) {
      const FormulaResult value = EvaluateFormula(rest.substr(start, k - start));
      if (value.ErrorCode != FormulaNoError) {
        errorCode = value.ErrorCode;
        return {};
      }
      PushValue(arguments, TokenOperand, value.Value);
      start = k + 1;
    } else if (c == '"') {
      inQuotes = !inQuotes;
    } else if (!inQuotes && c == '(') {
      ++depth;
    } else if (!inQuotes && c == ')') {
      --depth;
    }
  }
  return arguments;
}

FormulaStack Tokenize(std::string_view formula, int32_t& errorCode) {
  errorCode = FormulaNoError;
  const std::string text = RemoveSpaces(formula);
  if (text.size() > FormulaMaxLength) {
    errorCode = FormulaSyntaxError;
    return {};
  }
  const std::string_view t(text);
  FormulaStack tokens;
  size_t i = 0;
  size_t s = 0;
  bool inQuotes = false;
  // The literal between the previous token and position i, if any.
  const auto pushPending = [&]() {
    if (i <= s) return true;
    const FormulaResult literal = ParseLiteral(t.substr(s, i - s));
    if (literal.ErrorCode != FormulaNoError) {
      errorCode = literal.ErrorCode;
      return false;
    }
    PushValue(tokens, TokenOperand, literal.Value);
    return true;
  };

  while (true) {
    if (i >= t.size()) {
      if (!pushPending()) return {};
      return tokens;
    }
    if (inQuotes) {
      if (t[i] == '"') inQuotes = false;
      ++i;
      continue;
    }
    const std::string_view rest = t.substr(i);
    if (int16_t function = FindFunction(rest)) {
      if (!pushPending()) return {};
      if (callDepth >= FormulaMaxCallDepth) {
        errorCode = FormulaSyntaxError;
        return {};
      }
      const CallLevel level;
      i += Tables().Functions[static_cast<size_t>(function - 1)].Name.size();
      FormulaStack arguments;
      if (i < t.size() && t[i] == '(') {
        ++i;
        int16_t argumentsEnd = 0;
        arguments = ParseArguments(t.substr(i), errorCode, argumentsEnd);
        if (errorCode != FormulaNoError) return {};
        i += static_cast<size_t>(argumentsEnd);
      }
      FormulaResult value;
      CallFunction(value, function, arguments);
      if (value.ErrorCode != FormulaNoError) {
        errorCode = value.ErrorCode;
        return {};
      }
      PushValue(tokens, TokenOperand, value.Value);
      s = i;
      continue;
    }
    if (int16_t op = FindOperator(rest)) {
      if (!pushPending()) return {};
      PushValue(tokens, TokenOperator, Variant(op));
      i += Tables().Operators[static_cast<size_t>(op - 1)].Symbol.size();
      s = i;
      continue;
    }
    const char c = t[i];
    if (c == '(') {
      // Text right before a bracket that is no call («5(1+2)») is a mistake.
      if (i > s) {
        errorCode = FormulaSyntaxError;
        return {};
      }
      PushValue(tokens, TokenOpenBracket, {});
      s = ++i;
      continue;
    }
    if (c == ')') {
      if (!pushPending()) return {};
      PushValue(tokens, TokenCloseBracket, {});
      s = ++i;
      continue;
    }
    if (c == '"') inQuotes = true;
    ++i;
  }
}

void PushValue(FormulaStack& stack, int32_t kind, const Variant& value) {
  FormulaToken token;
  token.Kind = kind;
  switch (kind) {
    case TokenOperator:
      token.Operator = TableRow(Tables().Operators, value);
      token.Operator.Index = Runtime::CInt(value);
      break;
    case TokenOperand:
      token.Value = value;
      token.ValueType = IsTextValue(value) ? FormulaText : FormulaNumber;
      break;
    case TokenFunction: token.Function = TableRow(Tables().Functions, value); break;
    default: break;
  }
  PushToken(stack, token);
}

void PushToken(FormulaStack& stack, const FormulaToken& token) {
  if (stack.Count == INT16_MAX) Runtime::Raise(Runtime::ErrorNumber::Overflow);
  stack.Items.push_back(token);
  ++stack.Count;
}

FormulaToken PopToken(FormulaStack& stack) {
  if (stack.Count <= 0) return {};
  FormulaToken token = std::move(stack.Items.back());
  stack.Items.pop_back();
  --stack.Count;
  return token;
}

FormulaToken PeekToken(FormulaStack& stack) {
  if (stack.Count <= 0) return {};
  return stack.Items.back();
}

FormulaStack ReverseStack(const FormulaStack& stack) {
  FormulaStack reversed;
  reversed.Count = stack.Count;
  reversed.Items.assign(stack.Items.rbegin(), stack.Items.rend());
  return reversed;
}

FormulaResult EvaluateFormula(std::string_view formula) {
  try {
    if (!Tables().Initialised) InitFormula();
    int32_t errorCode = FormulaNoError;
    FormulaStack tokens = Tokenize(formula, errorCode);
    if (errorCode != FormulaNoError) return Failed(errorCode);
    FormulaStack postfix = InfixToPostfix(std::move(tokens), errorCode);
    if (errorCode != FormulaNoError) return Failed(errorCode);
    return EvaluatePostfix(std::move(postfix));
  } catch (const Runtime::Error& error) {
    // Division by zero keeps its own code; an overflow, a date out of range
    // or an impossible power is a formula the language cannot evaluate.
    return Failed(error.Number() == Runtime::ErrorNumber::DivisionByZero ? FormulaDivisionByZero
                                                                         : FormulaSyntaxError);
  } catch (const std::exception&) {
    return Failed(FormulaSyntaxError);
  }
}

FormulaStack InfixToPostfix(FormulaStack tokens, int32_t& errorCode) {
  errorCode = FormulaNoError;
  FormulaStack input = ReverseStack(tokens);
  FormulaStack output;
  FormulaStack operators;
  while (input.Count > 0) {
    FormulaToken token = PopToken(input);
    switch (token.Kind) {
      case TokenOperand: PushToken(output, token); break;
      case TokenOperator:
        // Brackets have precedence 0, so no operator pops one.
        while (operators.Count > 0 &&
               operators.Items.back().Operator.Precedence >= token.Operator.Precedence) {
          PushToken(output, PopToken(operators));
        }
        PushToken(operators, token);
        break;
      case TokenOpenBracket: PushToken(operators, token); break;
      case TokenCloseBracket:
        while (true) {
          if (operators.Count == 0) {
            errorCode = FormulaMismatchedBrackets;
            return {};
          }
          FormulaToken top = PopToken(operators);
          if (top.Kind == TokenOpenBracket) break;
          PushToken(output, top);
        }
        break;
      default: break;
    }
  }
  // An opening bracket never closed goes out too; the evaluation skips it.
  while (operators.Count > 0) PushToken(output, PopToken(operators));
  return ReverseStack(output);
}

FormulaResult EvaluatePostfix(FormulaStack postfix) {
  FormulaStack operands;
  while (postfix.Count > 0) {
    const FormulaToken token = PopToken(postfix);
    if (token.Kind == TokenOperand) {
      PushToken(operands, token);
      continue;
    }
    if (token.Kind != TokenOperator) continue;
    if (operands.Count == 0) return Failed(FormulaSyntaxError);
    const FormulaToken right = PopToken(operands);
    if (right.ValueType != FormulaNumber) return Failed(FormulaTypeMismatch);
    if (operands.Count == 0) return Failed(FormulaSyntaxError);
    const FormulaToken left = PopToken(operands);
    if (left.ValueType != FormulaNumber) return Failed(FormulaTypeMismatch);
    int32_t errorCode = FormulaNoError;
    const Variant value = ApplyOperator(token.Operator.Symbol, left.Value, right.Value, errorCode);
    if (errorCode != FormulaNoError) return Failed(errorCode);
    PushValue(operands, TokenOperand, value);
  }
  if (operands.Count != 1) return Failed(FormulaSyntaxError);
  const FormulaToken last = PopToken(operands);
  FormulaResult result;
  result.ValueType = last.ValueType;
  result.Value = last.Value;
  return result;
}

void CallFunction(FormulaResult& result, int16_t& functionIndex, FormulaStack& arguments) {
  result = FormulaResult();
  const std::vector<FormulaFunction>& functions = Tables().Functions;
  if (functionIndex < 1 || static_cast<size_t>(functionIndex) > functions.size()) {
    result.ErrorCode = FormulaSyntaxError;
    return;
  }
  const FormulaFunction& function = functions[static_cast<size_t>(functionIndex - 1)];
  if (function.ParameterCount != arguments.Count) {
    result.ErrorCode = FormulaParameterCount;
    return;
  }
  for (size_t k = 0; k < function.ParameterTypes.size(); ++k) {
    if (function.ParameterTypes[k] != arguments.Items[k].ValueType) {
      result.ErrorCode = FormulaTypeMismatch;
    }
  }
  if (result.ErrorCode != FormulaNoError) return;

  const auto arg = [&](size_t k) -> const Variant& { return arguments.Items[k].Value; };
  const auto is = [&](std::string_view name) { return Runtime::EqualsNoCase(function.Name, name); };
  result.ValueType = function.ReturnType;
  if (is("Now")) {
    result.Value = Runtime::Now().Serial;
  } else if (is("Month")) {
    result.Value = static_cast<double>(Runtime::Month(AsDate(arg(0))));
  } else if (is("Year")) {
    result.Value = static_cast<double>(Runtime::Year(AsDate(arg(0))));
  } else if (is("Day")) {
    result.Value = static_cast<double>(Runtime::Day(AsDate(arg(0))));
  } else if (is("Date")) {
    result.Value =
        Runtime::DateSerial(Runtime::CInt(arg(0)), Runtime::CInt(arg(1)), Runtime::CInt(arg(2)))
            .Serial;
  } else if (is("DayOfWeek")) {
    result.Value = static_cast<double>(Runtime::Weekday(AsDate(arg(0)), 2));
  } else if (is("Str")) {
    result.Value = Runtime::NumberText(Number(arg(0)));
  } else if (is("Concat")) {
    result.Value = arg(0).GetString() + arg(1).GetString();
  } else if (is("Mod")) {
    if (Number(arg(1)) == 0.0) {
      result = Failed(FormulaDivisionByZero);
      return;
    }
    result.Value = Number(Runtime::Mod(arg(0), arg(1)));
  } else if (is("Not")) {
    result.Value = Number(Runtime::Not(arg(0)));
  } else if (is("IfText") || is("IfNum")) {
    result.Value = Number(arg(0)) != 0.0 ? arg(1) : arg(2);
  } else {
    result = Failed(FormulaSyntaxError);
  }
}

}  // namespace Kordex
