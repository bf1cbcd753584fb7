#include "platform/gui/App.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "runtime/Encoding.h"

#ifndef TAVRO_VERSION_MAJOR
#define TAVRO_VERSION_MAJOR 1
#define TAVRO_VERSION_MINOR 0
#define TAVRO_VERSION_REVISION 0
#endif

namespace Platform {

namespace {

struct AppData {
  std::optional<std::string> exeName;
  std::optional<std::string> title;
  int major = TAVRO_VERSION_MAJOR;
  int minor = TAVRO_VERSION_MINOR;
  int revision = TAVRO_VERSION_REVISION;
  std::string fileDescription;
  std::string productName;
};

AppData& Data() {
  static AppData data;
  return data;
}

std::filesystem::path Executable() {
  std::error_code ec;
  auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec) / "program";
  // A program replaced on disk while it runs (an update) reads as
  // "name (deleted)": its name and folder stay those it was started as.
  static constexpr std::string_view replaced = " (deleted)";
  std::string text = path.string();
  if (text.ends_with(replaced)) text.resize(text.size() - replaced.size());
  return text;
}

}  // namespace

std::string App::Path() {
  return Runtime::Utf8ToCp1252(Executable().parent_path().string());
}

std::string App::EXEName() {
  if (Data().exeName) return *Data().exeName;
  return Runtime::Utf8ToCp1252(Executable().stem().string());
}

void App::SetEXEName(const std::string& name) {
  Data().exeName = name;
}

std::string App::Title() {
  return Data().title ? *Data().title : EXEName();
}

void App::SetTitle(const std::string& title) {
  Data().title = title;
}

int App::Major() {
  return Data().major;
}

int App::Minor() {
  return Data().minor;
}

int App::Revision() {
  return Data().revision;
}

void App::SetVersion(int major, int minor, int revision) {
  Data().major = major;
  Data().minor = minor;
  Data().revision = revision;
}

std::string App::FileDescription() {
  return Data().fileDescription;
}

void App::SetFileDescription(const std::string& description) {
  Data().fileDescription = description;
}

std::string App::ProductName() {
  return Data().productName;
}

void App::SetProductName(const std::string& name) {
  Data().productName = name;
}

}  // namespace Platform
