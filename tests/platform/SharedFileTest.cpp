#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/Problems.h"
#include "platform/ProfileFile.h"
#include "platform/RegistryStore.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"
#include "runtime/Error.h"
#include "tests/platform/FileText.h"
#include "tests/platform/SettingsFolder.h"

// Settings and profile files shared by several processes, kept as links, or
// replaced by things that are not files.

using namespace Platform;
namespace fs = std::filesystem;

namespace {

// Runs body in count child processes at once; true when every child exited 0.
template <class Body>
bool InChildren(int count, Body body) {
  std::vector<pid_t> children;
  for (int c = 0; c < count; ++c) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body(c) ? 0 : 1);
    children.push_back(pid);
  }
  bool ok = true;
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return ok;
}

int TemporaryFiles(const fs::path& folder) {
  int count = 0;
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (name.front() == '.' && !name.ends_with(".lock")) ++count;
  }
  return count;
}

}  // namespace

TEST(SharedFiles, FourWritersAtOnceLoseNoKey) {
  TestSupport::SettingsFolder folder;
  const std::string file = folder.Path().string() + "/LineInfo.Dat";
  constexpr int kWriters = 4;
  constexpr int kWrites = 500;
  EXPECT_TRUE(InChildren(kWriters, [&](int c) {
    bool ok = true;
    for (int i = 0; i < kWrites; ++i) {
      const std::string key = "P" + std::to_string(c) + "_" + std::to_string(i);
      ok = WriteProfileString(file, "Placement Files", key, std::to_string(i)) && ok;
      if (i % 5 == 0) SaveSetting("Race", "Keys", key, std::to_string(i));
    }
    return ok;
  }));
  EXPECT_EQ(ReadProfileSection(file, "Placement Files").size(), size_t{kWriters * kWrites});
  EXPECT_EQ(GetAllSettings("Race", "Keys").size(), size_t{kWriters * kWrites / 5});
  EXPECT_EQ(TemporaryFiles(folder.Path()), 0);
}

TEST(SharedFiles, LinksStayLinksAndTheirTargetsChange) {
  TestSupport::SettingsFolder folder;
  TestSupport::TempDir dotfiles;
  const fs::path settingsTarget = dotfiles.Path() / "user.settings";
  const fs::path profileTarget = dotfiles.Path() / "LineInfo.Dat";
  TestSupport::WriteFileText(settingsTarget, "");
  TestSupport::WriteFileText(profileTarget, "[Line Info]\r\nAlias=A\r\n");
  fs::create_symlink(settingsTarget, RegistryFile(UserRoot));
  const std::string profile = folder.Path().string() + "/LineInfo.Dat";
  fs::create_symlink(profileTarget, profile);

  SaveSetting("App", "Initialise", "Production Line", "3");
  ASSERT_TRUE(WriteProfileString(profile, "Line Info", "Alias", "B"));
  EXPECT_TRUE(fs::is_symlink(RegistryFile(UserRoot)));
  EXPECT_TRUE(fs::is_symlink(profile));
  EXPECT_NE(TestSupport::FileText(settingsTarget).find("\"Production Line\"=sz:\"3\""),
            std::string::npos);
  EXPECT_EQ(TestSupport::FileText(profileTarget), "[Line Info]\r\nAlias=B\r\n");
  EXPECT_EQ(TemporaryFiles(dotfiles.Path()), 0);

  // A link to nothing, and a loop of links: reported, nothing written.
  const std::string dangling = folder.Path().string() + "/Dangling.Dat";
  fs::create_symlink(dotfiles.Path() / "missing" / "x.Dat", dangling);
  const std::string loop = folder.Path().string() + "/Loop.Dat";
  fs::create_symlink(loop, loop);
  for (const std::string& bad : {dangling, loop}) {
    const int before = ProblemCount();
    EXPECT_FALSE(WriteProfileString(bad, "S", "K", "V"));
    EXPECT_FALSE(LastProfileWriteSucceeded());
    EXPECT_EQ(ProblemCount(), before + 1) << bad;
    EXPECT_TRUE(fs::is_symlink(bad));
  }
  EXPECT_FALSE(fs::exists(dotfiles.Path() / "missing"));
}

TEST(SharedFiles, WritersKilledMidWriteLeaveNothingBehind) {
  TestSupport::SettingsFolder folder;
  SaveSetting("App", "Keep", "Value", "kept");
  const std::string big(2 << 20, 'x');
  SaveSetting("App", "Big", "Text", big);  // so that a whole value is there however the kills fall
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      for (int i = 0;; ++i) SaveSetting("App", "Big", "Text", big + std::to_string(i));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round % 40));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  // What a killed writer left is a file of the store's own pattern; a file of
  // another name is not the store's to remove.
  const fs::path other = folder.Path() / ".user.settings.keep-me";
  TestSupport::WriteFileText(other, "x");
  TestSupport::WriteFileText(folder.Path() / ".user.settings.Ab12Cd", "left by a killed writer");
  SaveSetting("App", "Keep", "Clean", "1");
  EXPECT_EQ(TemporaryFiles(folder.Path()), 1);
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(GetSetting("App", "Keep", "Value"), "kept");
  EXPECT_EQ(GetSetting("App", "Keep", "Clean"), "1");
  EXPECT_TRUE(GetSetting("App", "Big", "Text").starts_with(big));
}

TEST(SharedFiles, PipesAndFoldersInAFilesPlaceAreReportedNeverWaitedOn) {
  TestSupport::SettingsFolder folder;
  ASSERT_EQ(mkfifo(RegistryFile(UserRoot).c_str(), 0644), 0);
  const std::string profile = folder.Path().string() + "/LineInfo.Dat";
  ASSERT_EQ(mkfifo(profile.c_str(), 0644), 0);
  const std::string log = folder.Path().string() + "/9-12-26Trace.Log";
  ASSERT_EQ(mkfifo(log.c_str(), 0644), 0);

  int before = ProblemCount();
  EXPECT_EQ(GetSetting("App", "S", "K", "default"), "default");
  SaveSetting("App", "S", "K", "V");
  EXPECT_EQ(ProblemCount(), before + 2);  // cannot be read; not saved
  before = ProblemCount();
  EXPECT_EQ(ReadProfileString(profile, "S", "K", "default"), "default");
  EXPECT_FALSE(WriteProfileString(profile, "S", "K", "V"));
  EXPECT_EQ(ProblemCount(), before + 2);
  for (const auto mode : {TextFile::Mode::Input, TextFile::Mode::Append, TextFile::Mode::Output}) {
    EXPECT_THROW(TextFile(log, mode), Runtime::Error);
  }
  for (const std::string& path : {RegistryFile(UserRoot), profile, log}) {
    EXPECT_TRUE(fs::is_fifo(path)) << path;
  }

  // A folder in a profile file's place (as root no folder is read-only):
  // reported once however often it is written.
  const std::string folderInPlace = folder.Path().string() + "/Folder.Dat";
  fs::create_directory(folderInPlace);
  before = ProblemCount();
  EXPECT_FALSE(WriteProfileString(folderInPlace, "S", "K", "V"));
  EXPECT_FALSE(WriteProfileString(folderInPlace, "S", "K", "V"));
  EXPECT_EQ(ProblemCount(), before + 1);
  EXPECT_TRUE(fs::is_empty(folderInPlace));
  if (geteuid() != 0) {
    TestSupport::TempDir locked;
    fs::permissions(locked.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    before = ProblemCount();
    EXPECT_FALSE(WriteProfileString(locked.Folder() + "New.Dat", "S", "K", "V"));
    EXPECT_EQ(ProblemCount(), before + 1);
    fs::permissions(locked.Path(), fs::perms::owner_all);
  }
  // A folder that does not exist is simply not written.
  before = ProblemCount();
  EXPECT_FALSE(WriteProfileString(folder.Path().string() + "/none/LineInfo.Dat", "S", "K", "V"));
  EXPECT_EQ(ProblemCount(), before);
}

TEST(SharedFiles, DamagedSettingsLinesSurviveARewriteByteForByte) {
  TestSupport::SettingsFolder folder;
  const std::string damaged = "   \"B\"=dword:oops \t ";
  TestSupport::WriteFileText(RegistryFile(MachineRoot),
                             "[K]\n" + damaged + "\n  ; a comment  \n\"A\"=sz:\"caf\xe9\"\n");
  const int before = ProblemCount();
  RegKey key = 0;
  ASSERT_EQ(RegCreateKey(MachineRoot, "K", RegAccess::Write, key), RegResult::Success);
  ASSERT_EQ(RegSetValue(key, "C", RegType::Text, TextData("1")), RegResult::Success);
  RegCloseKey(key);
  EXPECT_EQ(ProblemCount(), before + 2);  // the damaged line; the line read as Windows-1252
  const std::string text = TestSupport::FileText(RegistryFile(MachineRoot));
  EXPECT_NE(text.find("\n" + damaged + "\n"), std::string::npos);
  EXPECT_NE(text.find("\n  ; a comment  \n"), std::string::npos);
  EXPECT_NE(text.find("\"A\"=sz:\"caf\xc3\xa9\""), std::string::npos);
}
