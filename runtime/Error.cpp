#include "runtime/Error.h"

namespace Runtime {

namespace {
std::string Compose(int32_t number, const std::string& description) {
  return "Run-time error " + std::to_string(number) + ": " + description;
}
}  // namespace

Error::Error(int32_t number, std::string source, std::string description)
    : std::runtime_error(
          Compose(number, description.empty() ? DefaultDescription(number) : description)),
      number_(number),
      source_(std::move(source)),
      description_(description.empty() ? DefaultDescription(number) : std::move(description)) {}

std::string Error::DefaultDescription(int32_t number) {
  switch (number) {
    case 5: return "Invalid procedure call or argument";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 62: return "Input past end of file";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    case 91: return "Object variable or With block variable not set";
    case 94: return "Invalid use of Null";
    case 380: return "Invalid property value";
    case 438: return "Object doesn't support this property or method";
    case 449: return "Argument not optional";
    case 457: return "This key is already associated with an element of this collection";
    default: return "Application-defined or object-defined error";
  }
}

void Raise(int32_t number, const std::string& source, const std::string& description) {
  throw Error(number, source, description);
}

}  // namespace Runtime
