#include "runtime/Clock.h"

#include "runtime/Error.h"

namespace Runtime {

void Clock::Set(DateTime) { Raise(ErrorNumber::InvalidProcedureCall); }
void Clock::Advance(double) { Raise(ErrorNumber::InvalidProcedureCall); }
void Clock::Reset() {}
bool Clock::IsSet() { return false; }
DateTime Clock::Now() { Raise(ErrorNumber::InvalidProcedureCall); }

}  // namespace Runtime
