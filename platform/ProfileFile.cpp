#include "platform/ProfileFile.h"

#include <cerrno>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Problems.h"
#include "platform/ProfileText.h"
#include "platform/SafeFile.h"

namespace Platform {

namespace {

bool lastWriteSucceeded = true;

std::string Describe(const std::string& native, int error) {
  return "profile file " + SystemPath(native) + ": " + FileErrorText(error);
}

ProfileDocument Load(std::string_view path) {
  std::string text;
  const std::string native = ResolvePath(path);
  if (const int rc = ReadWholeFile(native, text); rc != 0) {
    if (rc != ENOENT) ReportProblem(Describe(native, rc) + " (cannot be read; defaults are used)");
    return {};
  }
  return ParseProfileText(text);
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

int32_t LeadingInteger(std::string_view s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  uint32_t value = 0;
  if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    for (i += 2; i < s.size(); ++i) {
      const char c = s[i];
      int d = -1;
      if (c >= '0' && c <= '9') d = c - '0';
      if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) break;
      value = value * 16 + static_cast<uint32_t>(d);
    }
  } else {
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
      value = value * 10 + static_cast<uint32_t>(s[i] - '0');
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

}  // namespace

int32_t ReadProfileInt(std::string_view path, std::string_view section, std::string_view key,
                       int32_t defaultValue) {
  const ProfileDocument doc = Load(path);
  const ProfileEntry* entry = doc.Find(section, key);
  if (entry == nullptr) return defaultValue;
  const std::string_view value = Unquoted(entry->Value);
  if (value.empty()) return defaultValue;
  return LeadingInteger(value);
}

std::string ReadProfileString(std::string_view path, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
  const ProfileDocument doc = Load(path);
  const ProfileEntry* entry = doc.Find(section, key);
  if (entry == nullptr) return std::string(defaultValue);
  return std::string(Unquoted(entry->Value));
}

std::vector<std::string> ReadProfileSection(std::string_view path, std::string_view section) {
  return Load(path).SectionLines(section);
}

bool WriteProfileString(std::string_view path, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::string native = ResolvePath(path);
  if (native.empty()) return lastWriteSucceeded = false;
  const RewriteResult result = RewriteFile(native, [&](std::string& text, bool) {
    text = SetProfileValue(text, section, key, value);
    return true;
  });
  lastWriteSucceeded = result.Error == 0;
  // A file in a folder that does not exist is simply not written, as the
  // classic profile routines do; every other failure is worth a report.
  const size_t slash = result.Target.rfind('/');
  const bool folderMissing = result.Error == ENOENT && slash != std::string::npos && slash > 0 &&
                             EntryKind(result.Target.substr(0, slash)) == ENOENT;
  if (!lastWriteSucceeded && !folderMissing) {
    const bool lock = std::string_view(result.Step) == "cannot be locked";
    ReportProblem(Describe(lock ? native + ".lock" : result.Target, result.Error) + " (" +
                  result.Step + "; [" + std::string(section) + "] " + std::string(key) +
                  " is not saved)");
  }
  return lastWriteSucceeded;
}

bool LastProfileWriteSucceeded() {
  return lastWriteSucceeded;
}

}  // namespace Platform
