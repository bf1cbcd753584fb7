#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Problems.h"
#include "platform/RegistryStore.h"
#include "tests/platform/FileText.h"
#include "tests/platform/SettingsFolder.h"

using namespace Platform;

namespace {

int32_t SetText(RegKey root, const std::string& path, const std::string& name,
                const std::string& text) {
  RegKey key = 0;
  int32_t rc = RegCreateKey(root, path, RegAccess::Write, key);
  if (rc != RegResult::Success) return rc;
  rc = RegSetValue(key, name, RegType::Text, TextData(text));
  RegCloseKey(key);
  return rc;
}

std::string GetText(RegKey root, const std::string& path, const std::string& name) {
  RegKey key = 0;
  if (RegOpenKey(root, path, RegAccess::Read, key) != RegResult::Success) return "<no key>";
  uint32_t type = 0;
  std::vector<uint8_t> data;
  const int32_t rc = RegQueryValue(key, name, type, data);
  RegCloseKey(key);
  if (rc != RegResult::Success) return "<no value>";
  return std::string(data.begin(), data.end());
}

}  // namespace

TEST(RegistryStore, OpensCreatesQueriesAndSetsWithResultCodes) {
  TestSupport::SettingsFolder folder;
  RegKey key = 0;
  EXPECT_EQ(RegOpenKey(MachineRoot, "Software\\Tavro\\App", RegAccess::Read, key),
            RegResult::NotFound);
  ASSERT_EQ(RegCreateKey(MachineRoot, "Software\\Tavro\\App\\Preferences", RegAccess::Write, key),
            RegResult::Success);
  EXPECT_EQ(RegSetValue(key, "Update Interval", RegType::Number, NumberData(5)),
            RegResult::Success);
  uint32_t type = 0;
  std::vector<uint8_t> data;
  EXPECT_EQ(RegQueryValue(key, "Update Interval", type, data),
            RegResult::AccessDenied);  // opened to write
  EXPECT_EQ(RegCloseKey(key), RegResult::Success);
  EXPECT_EQ(RegCloseKey(key), RegResult::InvalidHandle);
  EXPECT_EQ(RegSetValue(key, "x", RegType::Text, TextData("x")), RegResult::InvalidHandle);

  // Levels exist as soon as a key below them does; names ignore case.
  ASSERT_EQ(RegOpenKey(MachineRoot, "SOFTWARE\\tavro", RegAccess::Read, key), RegResult::Success);
  RegKey child = 0;
  ASSERT_EQ(RegOpenKey(key, "app\\PREFERENCES", RegAccess::Read, child), RegResult::Success);
  EXPECT_EQ(RegQueryValue(child, "update interval", type, data), RegResult::Success);
  EXPECT_EQ(type, RegType::Number);
  EXPECT_EQ(NumberOf(data), 5u);
  EXPECT_EQ(RegQueryValue(child, "Missing", type, data), RegResult::NotFound);
  EXPECT_EQ(RegSetValue(child, "x", RegType::Text, TextData("x")), RegResult::AccessDenied);
  RegCloseKey(child);
  RegCloseKey(key);

  // The two roots are two files.
  EXPECT_EQ(GetText(UserRoot, "Software\\Tavro\\App\\Preferences", "Update Interval"), "<no key>");
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "machine.settings"));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "user.settings"));
}

TEST(RegistryStore, KeepsTheSpellingFirstWrittenAndRemovesKeysWithTheirLevels) {
  TestSupport::SettingsFolder folder;
  ASSERT_EQ(SetText(UserRoot, "Software\\A\\Date Macro\\1", "Name", "Week"), RegResult::Success);
  ASSERT_EQ(SetText(UserRoot, "software\\a\\date macro\\1", "NAME", "Month"), RegResult::Success);
  ASSERT_EQ(SetText(UserRoot, "Software\\A\\Date Macros", "Number", "1"), RegResult::Success);
  const std::string text = TestSupport::FileText(RegistryFile(UserRoot));
  EXPECT_NE(text.find("[Software\\A\\Date Macro\\1]\n\"Name\"=sz:\"Month\""), std::string::npos)
      << text;

  EXPECT_EQ(RegDeleteKey(UserRoot, "SOFTWARE\\a\\date macro"), RegResult::Success);
  EXPECT_EQ(GetText(UserRoot, "Software\\A\\Date Macro\\1", "Name"), "<no key>");
  EXPECT_EQ(GetText(UserRoot, "Software\\A\\Date Macros", "Number"), std::string("1\0", 2));
  EXPECT_EQ(RegDeleteKey(UserRoot, "Software\\A\\Date Macro"), RegResult::NotFound);
  RegKey key = 0;
  EXPECT_EQ(RegCreateKey(UserRoot, "Bad\nName", RegAccess::Write, key),
            RegResult::InvalidParameter);
}

TEST(RegistryStore, ReadsSeeWhatAnotherProgramWrote) {
  TestSupport::SettingsFolder folder;
  ASSERT_EQ(
      SetText(UserRoot, "Software\\Program Settings\\Vantrel\\MachineControl", "PRDCount", "0"),
      RegResult::Success);
  EXPECT_EQ(GetText(UserRoot, "Software\\Program Settings\\Vantrel\\MachineControl", "PRDCount"),
            std::string("0\0", 2));
  // The line-control program (or a script) appends a line of its own.
  std::ofstream(RegistryFile(UserRoot), std::ios::app)
      << "[Software\\Program Settings\\Vantrel\\MachineControl]\n\"PRDCount\"=sz:1\n";
  EXPECT_EQ(GetText(UserRoot, "Software\\Program Settings\\Vantrel\\MachineControl", "PRDCount"),
            std::string("1\0", 2));
}

TEST(RegistryStore, ADamagedFileLosesNothingThatCouldBeRead) {
  TestSupport::SettingsFolder folder;
  const std::string path = RegistryFile(MachineRoot);
  TestSupport::WriteFileText(
      path, "[K]\n\"A\"=sz:\"1\"\n\"B\"=dword:oops\n\x01\x02\xff garbage\n\"C\"=dword:3\n");
  const int before = ProblemCount();
  EXPECT_EQ(GetText(MachineRoot, "K", "A"), std::string("1\0", 2));
  EXPECT_EQ(ProblemCount(), before + 2);
  EXPECT_EQ(GetText(MachineRoot, "K", "B"), "<no value>");
  EXPECT_EQ(GetText(MachineRoot, "K", "A"), std::string("1\0", 2));
  EXPECT_EQ(ProblemCount(), before + 2);  // each damaged line is reported once

  ASSERT_EQ(SetText(MachineRoot, "K", "D", "4"), RegResult::Success);
  const std::string text = TestSupport::FileText(path);
  for (const char* kept : {"\"A\"=sz:\"1\"", "\"B\"=dword:oops", "\x01\x02\xff garbage",
                           "\"C\"=dword:3", "\"D\"=sz:\"4\""}) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  }
}

TEST(RegistryStore, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
  TestSupport::SettingsFolder folder;
  // The settings file is a folder: it cannot be read, so it must not be replaced.
  std::filesystem::create_directory(RegistryFile(UserRoot));
  int before = ProblemCount();
  EXPECT_EQ(SetText(UserRoot, "K", "A", "1"), RegResult::AccessDenied);
  EXPECT_GT(ProblemCount(), before);
  EXPECT_TRUE(std::filesystem::is_directory(RegistryFile(UserRoot)));

  // The settings folder cannot be made.
  TestSupport::TempDir blocked;
  TestSupport::WriteFileText((blocked.Path() / "file").string(), "x");
  setenv("TAVRO_CONFIG_DIR", (blocked.Path() / "file" / "tavro").c_str(), 1);
  before = ProblemCount();
  EXPECT_EQ(SetText(UserRoot, "K", "A", "1"), RegResult::AccessDenied);
  EXPECT_EQ(SetText(UserRoot, "K", "B", "2"), RegResult::AccessDenied);
  EXPECT_EQ(ProblemCount(), before + 1);  // reported once

  const std::filesystem::path log =
      std::filesystem::path(std::getenv("XDG_STATE_HOME")) / "tavro" / "Problems.Log";
  EXPECT_NE(TestSupport::FileText(log.string()).find("settings are not saved"), std::string::npos);
}

TEST(RegistryStore, TwoProcessesWritingAtOnceLoseNothing) {
  TestSupport::SettingsFolder folder;
  constexpr int kWrites = 60;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      int failures = 0;
      for (int i = 0; i < kWrites; ++i) {
        if (SetText(UserRoot, "Software\\Race", "P" + std::to_string(c) + "_" + std::to_string(i),
                    std::to_string(i)) != RegResult::Success) {
          ++failures;
        }
      }
      _exit(failures == 0 ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  RegKey key = 0;
  ASSERT_EQ(RegOpenKey(UserRoot, "Software\\Race", RegAccess::Read, key), RegResult::Success);
  std::vector<RegValue> values;
  EXPECT_EQ(RegEnumValues(key, values), RegResult::Success);
  RegCloseKey(key);
  EXPECT_EQ(values.size(), 2u * kWrites);
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.Path())) ++files;
  EXPECT_EQ(files, 2);  // the file and its lock file
}

TEST(RegistryStore, AProblemQuotingControlBytesNeitherReachesTheTerminalNorSplitsTheLog) {
  ReportProblem("damaged line \x1b]0;title\x07 kept\r\nnext");
  const std::filesystem::path log =
      std::filesystem::path(std::getenv("XDG_STATE_HOME")) / "tavro" / "Problems.Log";
  const std::string text = TestSupport::FileText(log.string());
  EXPECT_NE(text.find("damaged line \\x1B]0;title\\x07 kept\\x0D\\x0Anext\n"), std::string::npos);
  EXPECT_EQ(text.find('\x1b'), std::string::npos);
}
