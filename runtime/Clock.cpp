#include "runtime/Clock.h"

#include <cmath>
#include <ctime>
#include <mutex>

#include "runtime/DateTime.h"

namespace Runtime {

namespace {

std::mutex guard;
bool fixedSet = false;
DateTime fixedNow;

// Days as one forward-running number (serials before the base date count the
// day down but the time up, which plain addition would get wrong).
double Linear(double serial) {
  const double whole = std::trunc(serial);
  return serial >= 0 ? serial : whole + (whole - serial);
}

double FromLinear(double days) {
  const double whole = std::floor(days);
  const double frac = days - whole;
  return whole >= 0 ? days : whole - frac;
}

DateTime MachineNow() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                         static_cast<double>(ts.tv_nsec / 1000000) / 1000.0;
  const DateTime day = DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return {day.Serial + seconds / 86400.0};
}

}  // namespace

void Clock::Set(DateTime now) {
  std::lock_guard lock(guard);
  fixedNow = now;
  fixedSet = true;
}

void Clock::Advance(double seconds) {
  std::lock_guard lock(guard);
  if (!fixedSet) return;
  fixedNow.Serial = FromLinear(Linear(fixedNow.Serial) + seconds / 86400.0);
}

void Clock::Reset() {
  std::lock_guard lock(guard);
  fixedSet = false;
}

bool Clock::IsSet() {
  std::lock_guard lock(guard);
  return fixedSet;
}

DateTime Clock::Now() {
  {
    std::lock_guard lock(guard);
    if (fixedSet) return fixedNow;
  }
  return MachineNow();
}

}  // namespace Runtime
