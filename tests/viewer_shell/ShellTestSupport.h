#pragma once

// The set-up of the shell's tests: the real forms off screen, a responder that
// answers for the person, a tick source and a clock the test moves, empty
// settings, and generated data directories.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "runtime/Variant.h"
#include "tests/support/FormsFixture.h"
#include "tests/support/TempDir.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"

namespace ShellTestSupport {

// The moment the clock stands at when a test starts: Monday 9 March 2026,
// 10:30.
Runtime::DateTime FixedNow();

// A data directory written by the sample-data generator, its last day today
// (the fixed clock's). Folder() ends in "/".
struct SampleDataOptions {
  int Lines = 2;
  int Machines = 3;
  int Days = 20;
  uint32_t Seed = 7;
};
TestSupport::TempDir WriteSampleData(const SampleDataOptions& options = {});

// Writes a text file, making its folders.
void WriteFile(const std::filesystem::path& path, const std::string& text);

// A date-range prompt whose answer the test sets; it records what it offered.
class ScriptedDateRangePrompt : public Kordex::DateRangePrompt {
 public:
  bool Answer = true;
  // The range the person chooses; none keeps what was offered.
  std::optional<std::pair<Runtime::DateTime, Runtime::DateTime>> Choice;
  int Calls = 0;
  Runtime::DateTime OfferedFrom, OfferedTo;

  bool SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) override;
};

// Appends lines to a settings file under its lock, as another program would.
void AppendSettingsUnderLock(const std::filesystem::path& file, const std::string& lines);
// The per-user and machine settings files of the test process.
std::filesystem::path UserSettingsFile();
std::filesystem::path MachineSettingsFile();

// Whether a "Loading Data" window is loaded.
bool LoadFormLoaded();

}  // namespace ShellTestSupport

// Every shell test: FormsTest's responder and ticks, the fixed clock, the
// program's name "TavroKordex", empty settings and fresh program-wide state.
class ShellTest : public FormsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Stores a preference as the preferences dialog would save it.
  static void StorePreference(const std::string& name, const Runtime::Variant& value);
  // Makes and loads the main window, with "Data Directory" stored first when
  // given.
  std::shared_ptr<Kordex::MainForm> StartMainWindow(const std::string& dataDirectory = {});
  // Moves the clock on by whole seconds of the update timer.
  void Seconds(int count) { ticks->Advance(int64_t{count} * 1000); }

  std::shared_ptr<ShellTestSupport::ScriptedDateRangePrompt> datePrompt;
  std::shared_ptr<Kordex::MainForm> mainForm;
};
