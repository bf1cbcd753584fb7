#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/FileFunctions.h"
#include "tests/support/TempDir.h"

using namespace Common;

TEST(FileFunctions, FileExistsMatchesWildcardsWithoutRegardToCase) {
  TestSupport::TempDir dir;
  std::ofstream(dir.Path() / "a.kvx") << "x";
  std::filesystem::create_directory(dir.Path() / "Data");
  EXPECT_TRUE(FileExists(dir.Folder() + "*.KVX", 0));
  EXPECT_TRUE(FileExists(dir.Folder() + "A.KVX", 7));
  EXPECT_FALSE(FileExists(dir.Folder() + "*.txt", 7));
  EXPECT_FALSE(FileExists(dir.Folder() + "Data", 0));
  EXPECT_TRUE(FileExists(dir.Folder() + "data", 16));
  EXPECT_TRUE(FileExists(dir.Folder() + "DATA/", 16));
  EXPECT_TRUE(FileExists(dir.Folder() + "a.kvx", 16));  // a folder listing finds files too
  EXPECT_FALSE(FileExists("", 16));
  EXPECT_FALSE(FileExists(dir.Folder() + "*/a.kvx", 0));  // a bad pattern is trapped
  // A pipe in a file's place is there, though no file: nothing is made over it.
  ASSERT_EQ(mkfifo((dir.Path() / "LineInfo.Dat").c_str(), 0644), 0);
  EXPECT_TRUE(FileExists(dir.Folder() + "lineinfo.dat", 0));
}

TEST(FileFunctions, SafeDirContinuesTheListingAndFileExistsLeavesItAlone) {
  TestSupport::TempDir dir;
  for (const char* name : {"M2.kvx", "m1.KVX", "M3.kvx"}) std::ofstream(dir.Path() / name) << "x";
  EXPECT_EQ(SafeDir(dir.Folder() + "*.kvx", 0), "m1.KVX");
  EXPECT_TRUE(FileExists(dir.Folder() + "M3.kvx", 0));
  EXPECT_EQ(SafeDir("", 0), "M2.kvx");
  EXPECT_EQ(SafeDir("", 0), "M3.kvx");
  EXPECT_EQ(SafeDir("", 0), "");
  EXPECT_EQ(SafeDir(dir.Folder() + "nothing/*.kvx", 0), "");
  EXPECT_EQ(SafeDir(dir.Folder() + "*/x", 0), "");
}

TEST(FileFunctions, CreatePathMakesEachMissingLevelWhereThePathSays) {
  TestSupport::TempDir dir;
  const auto cwd = std::filesystem::current_path();
  EXPECT_TRUE(CreatePath(dir.Folder() + "Data/Log/"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "Data" / "Log"));
  EXPECT_EQ(std::filesystem::current_path(), cwd);
  EXPECT_FALSE(std::filesystem::exists(cwd / "Data"));

  // Every level exists (in another case): nothing is made.
  EXPECT_TRUE(CreatePath(dir.Folder() + "DATA/log"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  std::ofstream(dir.Path() / "Data" / "file") << "x";
  EXPECT_FALSE(CreatePath(dir.Folder() + "Data/file/sub"));
  EXPECT_FALSE(CreatePath("Z:\\Data\\Log\\"));

  // A relative path starts from the current folder.
  std::filesystem::current_path(dir.Path());
  EXPECT_TRUE(CreatePath("Rel/One"));
  std::filesystem::current_path(cwd);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "Rel" / "One"));
}
