#include "platform/Problems.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <set>

#include "platform/Files.h"
#include "platform/Paths.h"

namespace Platform {

namespace {

std::mutex mutex;
std::set<std::string, std::less<>> reported;

void AppendToProblemLog(const std::string& line) {
  const std::string folder = NativePath(StateFolder());
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  // Never waits on a pipe put in the log's place.
  int error = 0;
  const int fd = OpenRegularFile(folder + "Problems.Log", O_WRONLY | O_CREAT | O_APPEND, error);
  if (fd < 0) return;
  const char* data = line.data();
  size_t left = line.size();
  while (left > 0) {
    const ssize_t n = write(fd, data, left);
    if (n <= 0) break;
    data += n;
    left -= static_cast<size_t>(n);
  }
  close(fd);
}

}  // namespace

void ReportProblem(std::string_view text) {
  const std::lock_guard lock(mutex);
  if (!reported.emplace(text).second) return;
  const std::string utf8 = NativePath(text);
  std::fprintf(stderr, "tavro: %s\n", utf8.c_str());
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
  AppendToProblemLog(std::string(stamp) + "\t" + utf8 + "\n");
}

int ProblemCount() {
  const std::lock_guard lock(mutex);
  return static_cast<int>(reported.size());
}

}  // namespace Platform
