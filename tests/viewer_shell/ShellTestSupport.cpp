#include "tests/viewer_shell/ShellTestSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "common/TavroRegistry.h"
#include "platform/gui/App.h"
#include "platform/gui/Forms.h"
#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "tests/platform/FileText.h"
#include "tools/sampledata/SampleData.h"

namespace {

std::filesystem::path ConfigFolder() {
  return std::getenv("TAVRO_CONFIG_DIR");
}

}  // namespace

namespace ShellTestSupport {

Runtime::DateTime FixedNow() {
  return Runtime::DateTime{Runtime::DateSerial(2026, 3, 9).Serial +
                           Runtime::TimeSerial(10, 30, 0).Serial};
}

TestSupport::TempDir WriteSampleData(const SampleDataOptions& options) {
  TestSupport::TempDir dir;
  Kordex::SampleData::Options o;
  o.Seed = options.Seed;
  o.Lines = options.Lines;
  o.Machines = options.Machines;
  o.Days = options.Days;
  o.EndDate = std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::month{3},
                                          std::chrono::day{9}};
  Kordex::SampleData::WriteDataDirectory(dir.Path(), o);
  return dir;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  TestSupport::WriteFileText(path, text);
}

bool ScriptedDateRangePrompt::SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) {
  ++Calls;
  OfferedFrom = From;
  OfferedTo = To;
  if (Answer && Choice) {
    From = Choice->first;
    To = Choice->second;
  }
  return Answer;
}

std::filesystem::path UserSettingsFile() {
  return ConfigFolder() / "user.settings";
}
std::filesystem::path MachineSettingsFile() {
  return ConfigFolder() / "machine.settings";
}

bool LoadFormLoaded() {
  for (Platform::Form* form : Platform::Forms::All())
    if (form->Name() == "LoadForm") return true;
  return false;
}

void AppendSettingsUnderLock(const std::filesystem::path& file, const std::string& lines) {
  std::filesystem::create_directories(file.parent_path());
  const std::string lockName = file.string() + ".lock";
  const int lock = ::open(lockName.c_str(), O_CREAT | O_RDWR, 0644);
  ASSERT_GE(lock, 0);
  ::flock(lock, LOCK_EX);
  std::ofstream(file, std::ios::app) << lines;
  ::flock(lock, LOCK_UN);
  ::close(lock);
}

}  // namespace ShellTestSupport

void ShellTest::SetUp() {
  FormsTest::SetUp();
  std::error_code ec;
  std::filesystem::remove(ShellTestSupport::UserSettingsFile(), ec);
  std::filesystem::remove(ShellTestSupport::MachineSettingsFile(), ec);
  Runtime::Clock::Set(ShellTestSupport::FixedNow());
  Platform::App::SetEXEName("TavroKordex");
  datePrompt = std::make_shared<ShellTestSupport::ScriptedDateRangePrompt>();
  Kordex::SetDateRangePrompt(datePrompt);
  Kordex::KordexModule::ChartCount = 0;
  Kordex::KordexModule::TableCount = 0;
  Kordex::KordexModule::StatusFormCount = 0;
  Kordex::KordexModule::ChildFormSerial = 0;
}

void ShellTest::TearDown() {
  FormsTest::TearDown();
  mainForm.reset();
  Kordex::SetDateRangePrompt(nullptr);
  Kordex::SetLineHost(nullptr);
  Runtime::Clock::Reset();
}

void ShellTest::StorePreference(const std::string& name, const Runtime::Variant& value) {
  Common::SaveRegSetting("TavroKordex", "Preferences", name, value);
}

std::shared_ptr<Kordex::MainForm> ShellTest::StartMainWindow(const std::string& dataDirectory) {
  if (!dataDirectory.empty()) StorePreference("Data Directory", Runtime::Variant(dataDirectory));
  mainForm = std::make_shared<Kordex::MainForm>();
  mainForm->Load();
  return mainForm;
}
