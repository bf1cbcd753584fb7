#pragma once

#include <string>
#include <string_view>

#include "platform/PlatformApi.h"

namespace Platform {

// Problems the platform layer meets and does not pass to its caller (a damaged
// settings line, a settings write that failed). Each distinct problem is
// reported once per process: on standard error and as a line of
// "Problems.Log" in the state folder.
TAVRO_PLATFORM_API void ReportProblem(std::string_view text);

// How many distinct problems were reported so far (tests).
TAVRO_PLATFORM_API int ProblemCount();

}  // namespace Platform
