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

// A problem quotes what it found (a damaged line, a file name): control bytes
// are shown as \xHH, so none reaches a terminal or splits the log's lines.
std::string Printable(const std::string& text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += Hex[byte >> 4];
      out += Hex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void ReportProblem(std::string_view text) {
  const std::lock_guard lock(mutex);
  if (!reported.emplace(text).second) return;
  const std::string utf8 = Printable(NativePath(text));
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
