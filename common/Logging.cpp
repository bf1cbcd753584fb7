#include "common/Logging.h"

#include "platform/Files.h"
#include "platform/TextFile.h"
#include "runtime/DateTime.h"
#include "runtime/Format.h"

namespace Common {

int32_t LogLevel = 0;
std::string LogDir;

void WriteLog(const std::string& logName, const std::string& text, int32_t level) {
  if (LogLevel < level) return;
  const Runtime::DateTime now = Runtime::Now();
  const std::string fileName = LogDir + Runtime::Format(now, "d-mm-yy") + logName + ".Log";
  bool folderExists = false;
  try {
    folderExists = !LogDir.empty() && Platform::IsFolder(LogDir);
  } catch (const std::exception&) {
    // A folder that cannot be tested is a folder to write nothing into.
  }
  if (!folderExists) return;
  Platform::TextFile file(fileName, Platform::TextFile::Mode::Append);
  file.WriteLine(Runtime::Format(now, "d-mm-yy hh:nn:ss") + "\t" + text);
  file.Close();
}

}  // namespace Common
