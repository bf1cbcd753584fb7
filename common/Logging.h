#pragma once

#include <cstdint>
#include <string>

namespace Common {

// The daily log. Each deliverable has its own level and folder: the level starts
// at 0 and the folder empty, so nothing is written until a deliverable sets
// both (the constraint library sets level 2 and Platform::LogFolder()).
extern int32_t LogLevel;
extern std::string LogDir;  // ends in "/" when set

// Appends "d-mm-yy hh:nn:ss", a TAB and text as one line (CR LF) to the file
// LogDir + today as "d-mm-yy" + logName + ".Log", made when missing; only when
// level does not exceed LogLevel and the folder LogDir exists. Errors while
// appending are raised.
void WriteLog(const std::string& logName, const std::string& text, int32_t level);

}  // namespace Common
