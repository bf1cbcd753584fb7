#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/DirListing.h"
#include "platform/Files.h"
#include "runtime/Error.h"
#include "tests/support/TempDir.h"

using namespace Platform;

namespace {

void Touch(const std::filesystem::path& path, const std::string& text = "") {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> List(std::string_view pattern, int32_t attributes) {
  std::vector<std::string> names;
  DirListing listing;
  for (std::string name = listing.Start(pattern, attributes); !name.empty();
       name = listing.Next()) {
    names.push_back(name);
  }
  return names;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(Files, PatternsMatchWithoutRegardToCase) {
  EXPECT_TRUE(MatchesPattern("a.kvx", "*.KVX"));
  EXPECT_TRUE(MatchesPattern("12345_0001_MachinePRDSummary_WidgetA.kvx",
                             "?????_????_MachinePRDSummary_*.KVX"));
  EXPECT_FALSE(MatchesPattern("1234_0001_MachinePRDSummary_WidgetA.KVX",
                              "?????_????_MachinePRDSummary_*.KVX"));
  EXPECT_TRUE(MatchesPattern("README", "*.*"));
  EXPECT_TRUE(MatchesPattern("Line12", "LINE*"));
  EXPECT_FALSE(MatchesPattern("a.kvx.bak", "*.kvx"));
  EXPECT_TRUE(MatchesPattern("\xc9t\xe9", "\xe9T\xc9"));  // Windows-1252 letters fold too
  EXPECT_TRUE(MatchesPattern(std::string(200, 'a') + "b", std::string(100, '*') + "*b"));
}

TEST(Files, PathsAreFoundWithoutRegardToCase) {
  TestSupport::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "Line1" / "HISTORY" / "2024_01_02");
  Touch(dir.Path() / "Line1" / "HISTORY" / "2024_01_02" / "A.KVX", "12345");
  const std::string root = dir.Folder();
  EXPECT_EQ(ResolvePath(root + "line1/History/2024_01_02/a.kvx"),
            root + "Line1/HISTORY/2024_01_02/A.KVX");
  EXPECT_EQ(ResolvePath(root + "Line1/history/new.txt"), root + "Line1/HISTORY/new.txt");
  EXPECT_EQ(ResolvePath(root + "LINE1/history/"), root + "Line1/HISTORY/");
  EXPECT_EQ(ResolvePath(root + "Line2/x"), root + "Line2/x");
  EXPECT_TRUE(IsFile(root + "line1/history/2024_01_02/a.kvx"));
  EXPECT_TRUE(IsFolder(root + "line1/history"));
  EXPECT_FALSE(IsFile(root + "line1/history"));
  EXPECT_FALSE(PathExists(""));
  EXPECT_EQ(FileLen(root + "line1/history/2024_01_02/a.kvx"), 5);
  EXPECT_EQ(GetAttr(root + "line1/history") & FileAttribute::Directory, FileAttribute::Directory);
  try {
    FileLen(root + "missing");
    FAIL();
  } catch (const Runtime::Error& e) {
    EXPECT_EQ(e.Number(), Runtime::ErrorNumber::FileNotFound);
  }
}

TEST(Files, ListingsFollowTheAttributeMask) {
  TestSupport::TempDir dir;
  const auto& p = dir.Path();
  Touch(p / "b.kvx");
  Touch(p / "A.KVX");
  Touch(p / ".hidden.kvx");
  Touch(p / "Line5");
  std::filesystem::create_directory(p / "line2");
  std::filesystem::create_directory(p / "Line10");
  std::filesystem::create_directory(p / ".LineHidden");
  const std::string root = dir.Folder();

  EXPECT_EQ(List(root + "*.kvx", 0), (Names{"A.KVX", "b.kvx"}));
  EXPECT_EQ(List(root + "*.kvx", 2), (Names{".hidden.kvx", "A.KVX", "b.kvx"}));
  EXPECT_EQ(List(root + "*.kvx", 7), (Names{".hidden.kvx", "A.KVX", "b.kvx"}));
  EXPECT_EQ(List(root + "line*", 0), (Names{"Line5"}));
  EXPECT_EQ(List(root + "line*", 16), (Names{"Line10", "line2", "Line5"}));  // folders and files
  EXPECT_EQ(List(root + "*line*", 18), (Names{".LineHidden", "Line10", "line2", "Line5"}));
  EXPECT_EQ(List(root, 16).front(), ".");
  EXPECT_EQ(List(root + "a.kvx", 0), (Names{"A.KVX"}));
  EXPECT_TRUE(List(root + "line2", 0).empty());
  EXPECT_EQ(List(root + "LINE2", 16), (Names{"line2"}));
  EXPECT_TRUE(List(root + "missing/*.*", 16).empty());
  EXPECT_THROW(List(root + "*/x", 0), Runtime::Error);
}

TEST(Files, EachListingIsASnapshot) {
  TestSupport::TempDir dir;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) Touch(dir.Path() / name);
  std::filesystem::create_directory(dir.Path() / "sub");
  Touch(dir.Path() / "sub" / "x.dat");

  EXPECT_EQ(Dir(dir.Folder() + "*.txt"), "a.txt");
  Touch(dir.Path() / "bb.txt");  // made after the listing started: not in it
  std::filesystem::remove(dir.Path() / "c.txt");
  {
    const DirListingGuard guard;  // a nested routine lists on its own
    EXPECT_EQ(Dir(dir.Folder() + "sub/*.dat"), "x.dat");
    EXPECT_EQ(Dir(), "");
  }
  EXPECT_EQ(Dir(), "b.txt");
  EXPECT_EQ(Dir(), "c.txt");
  EXPECT_EQ(Dir(), "");
  EXPECT_EQ(Dir(), "");

  // Without a guard the classic rule holds: the new listing ends the old one.
  EXPECT_EQ(Dir(dir.Folder() + "*.txt"), "a.txt");
  EXPECT_EQ(Dir(dir.Folder() + "sub/*"), "x.dat");
  EXPECT_EQ(Dir(), "");
}

TEST(Files, FoldersAreMadeOneLevelAtATime) {
  TestSupport::TempDir dir;
  MakeFolder(dir.Folder() + "new");
  EXPECT_TRUE(IsFolder(dir.Folder() + "NEW"));
  try {
    MakeFolder(dir.Folder() + "a/b");
    FAIL();
  } catch (const Runtime::Error& e) {
    EXPECT_EQ(e.Number(), Runtime::ErrorNumber::PathNotFound);
  }
  EXPECT_THROW(MakeFolder(dir.Folder() + "new"), Runtime::Error);
}

TEST(Files, ListingsGiveEachEntrysLengthAsListed) {
  TestSupport::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "Day" / "Sub");
  Touch(dir.Path() / "Day" / "b.kvx", "12345");
  Touch(dir.Path() / "Day" / "A.KVX", "");
  const std::string folder = dir.Folder() + "DAY/";
  DirListing listing;
  EXPECT_EQ(listing.Length(), 0);
  EXPECT_EQ(listing.Start(folder + "*", FileAttribute::Directory), ".");
  std::vector<std::pair<std::string, int64_t>> seen{{".", listing.Length()}};
  for (std::string name = listing.Next(); !name.empty(); name = listing.Next()) {
    seen.emplace_back(name, listing.Length());
  }
  Touch(dir.Path() / "Day" / "b.kvx", "1234567890");  // later changes are not seen
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, int64_t>>{
                      {".", 0}, {"..", 0}, {"A.KVX", 0}, {"b.kvx", 5}, {"Sub", 0}}));
  EXPECT_EQ(listing.Start(folder + "b.kvx"), "b.kvx");
  EXPECT_EQ(listing.Length(), 10);
}

TEST(Files, ListingsOfLargeFoldersAndLinks) {
  TestSupport::TempDir dir;
  const auto& p = dir.Path();
  // More entries than one read of the folder returns.
  const std::string tail(120, 'x');
  for (int i = 0; i < 600; ++i) Touch(p / ("f" + std::to_string(1000 + i) + tail + ".kvx"), "ab");
  std::filesystem::create_directory(p / "Sub");
  std::filesystem::create_directory(p / ".HiddenSub");
  std::filesystem::create_directory_symlink(p / "Sub", p / "LinkedSub");
  std::filesystem::create_symlink(p / ("f1000" + tail + ".kvx"), p / "linked.kvx");
  std::filesystem::create_symlink(p / "gone.kvx", p / "broken.kvx");
  const std::string root = dir.Folder();

  DirListing listing;
  size_t files = 0;
  for (std::string name = listing.Start(root + "f*.kvx"); !name.empty(); name = listing.Next()) {
    EXPECT_EQ(listing.Length(), 2) << name;
    ++files;
  }
  EXPECT_EQ(files, 600U);
  // Links are what they lead to; a link to nothing is no entry.
  EXPECT_EQ(List(root + "l*", 0), (Names{"linked.kvx"}));
  EXPECT_EQ(List(root + "l*", FileAttribute::Directory), (Names{"linked.kvx", "LinkedSub"}));
  EXPECT_TRUE(List(root + "broken.kvx", FileAttribute::Directory).empty());
  EXPECT_TRUE(List(root + "b*", FileAttribute::Directory).empty());
  // A hidden folder needs both marks; a folder's length is 0.
  EXPECT_EQ(List(root + "*sub", FileAttribute::Directory), (Names{"LinkedSub", "Sub"}));
  EXPECT_EQ(List(root + "*sub", FileAttribute::Directory | FileAttribute::Hidden),
            (Names{".HiddenSub", "LinkedSub", "Sub"}));
  EXPECT_EQ(listing.Start(root + "Sub*", FileAttribute::Directory), "Sub");
  EXPECT_EQ(listing.Length(), 0);
}

TEST(Files, ListingsBelowAnOpenFolder) {
  TestSupport::TempDir dir;
  const auto& p = dir.Path();
  std::filesystem::create_directories(p / "Day" / "MACHINE PRD" / "m3");
  Touch(p / "Day" / "MACHINE PRD" / "m3" / "b.kvx", "12345");
  Touch(p / "Day" / "MACHINE PRD" / "m3" / "A.KVX", "1");
  std::filesystem::create_directory(p / "Day" / "MACHINE PRD" / "m3" / "c.kvx");

  const FolderHandle day(dir.Folder() + "day");
  ASSERT_TRUE(day.IsOpen());
  const FolderHandle machines(day, "Machine Prd");
  ASSERT_TRUE(machines.IsOpen());
  DirListing listing;
  for (const bool lengths : {true, false}) {
    listing.TakeLengths(lengths);
    EXPECT_EQ(listing.Start(machines, "M3/*.kvx"), "A.KVX");
    EXPECT_EQ(listing.Names(), (Names{"A.KVX", "b.kvx"}));
    EXPECT_EQ(listing.Lengths(),
              (lengths ? std::vector<int64_t>{1, 5} : std::vector<int64_t>{0, 0}));
    EXPECT_EQ(listing.NativeFolder(), "m3/");
    ASSERT_EQ(listing.LeftOut().size(), 1U);
    EXPECT_EQ(listing.LeftOut()[0].Name, "c.kvx");
  }
  int error = 0;
  const int fd = OpenRegularFileAt(machines, "m3/b.kvx", O_RDONLY, error);
  EXPECT_GE(fd, 0);
  if (fd >= 0) close(fd);

  // Nothing is found below a folder that is not there.
  const FolderHandle missing(day, "Machine Prd/M4");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_EQ(missing.Error(), ENOENT);
  EXPECT_EQ(listing.Start(FolderHandle(missing, "x"), "*"), "");
  EXPECT_EQ(OpenRegularFileAt(missing, "b.kvx", O_RDONLY, error), -1);
  EXPECT_EQ(error, ENOENT);
}
