#include "runtime/Strings.h"

#include "runtime/Error.h"

namespace Runtime {

std::string Left(std::string_view, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string Right(std::string_view, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string Mid(std::string_view, int32_t, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Len(std::string_view s) { return static_cast<int32_t>(s.size()); }
int32_t InStr(int32_t, std::string_view, std::string_view, CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}
int32_t InStr(std::string_view, std::string_view, CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}
int32_t InStrRev(std::string_view, std::string_view, int32_t, CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}
std::string LTrim(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string RTrim(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string Trim(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string UCase(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string LCase(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string Replace(std::string_view, std::string_view, std::string_view, int32_t, int32_t,
                    CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}
std::string Space(int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string String(int32_t, char) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Asc(std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string Chr(int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t StrComp(std::string_view, std::string_view, CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}
bool Like(std::string_view, std::string_view, CompareMethod) {
  Raise(ErrorNumber::InvalidProcedureCall);
}

}  // namespace Runtime
