#include "runtime/DateTime.h"

#include "runtime/Clock.h"
#include "runtime/Error.h"

namespace Runtime {

DateTime DateSerial(int32_t, int32_t, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
DateTime TimeSerial(int32_t, int32_t, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
DateTime DateAdd(std::string_view, double, DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t DateDiff(std::string_view, DateTime, DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t DatePart(std::string_view, DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Year(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Month(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Day(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Hour(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Minute(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Second(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
int32_t Weekday(DateTime, int32_t) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string MonthName(int32_t, bool) { Raise(ErrorNumber::InvalidProcedureCall); }
std::string WeekdayName(int32_t, bool) { Raise(ErrorNumber::InvalidProcedureCall); }
bool ParseDateTime(std::string_view, DateTime&) { return false; }
DateTime DateValue(std::string_view) { Raise(ErrorNumber::TypeMismatch); }
DateTime TimeValue(std::string_view) { Raise(ErrorNumber::TypeMismatch); }
std::string DateTimeText(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
DateTime Now() { return Clock::Now(); }
DateTime Today() { Raise(ErrorNumber::InvalidProcedureCall); }
double Timer() { Raise(ErrorNumber::InvalidProcedureCall); }

}  // namespace Runtime
