#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/TextFile.h"
#include "runtime/Error.h"
#include "tests/platform/FileText.h"
#include "tests/support/TempDir.h"

using namespace Platform;

namespace {

int32_t ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Runtime::Error& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace

TEST(TextFile, ReadsLinesWithAnyLineEnd) {
  TestSupport::TempDir dir;
  const std::string path = dir.Folder() + "Summary.KVX";
  std::ofstream(path, std::ios::binary) << "[Run]\r\nA,1\nB,2\rC,3\r\n\r\nlast";
  TextFile file(dir.Folder() + "summary.kvx", TextFile::Mode::Input);
  std::vector<std::string> lines;
  std::vector<int64_t> positions;
  while (!file.AtEnd()) {
    lines.push_back(file.ReadLine());
    positions.push_back(file.Position());
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"[Run]", "A,1", "B,2", "C,3", "", "last"}));
  EXPECT_EQ(positions.front(), 8);
  EXPECT_EQ(file.Length(), 26);
  EXPECT_EQ(ErrorOf([&] { file.ReadLine(); }), Runtime::ErrorNumber::InputPastEndOfFile);

  file.Seek(positions[0]);
  EXPECT_EQ(file.ReadLine(), "A,1");
  EXPECT_EQ(file.Position(), positions[1]);
  file.Close();
  EXPECT_EQ(ErrorOf([&] { file.ReadLine(); }), Runtime::ErrorNumber::BadFileNameOrNumber);
}

TEST(TextFile, LongLinesCrossTheReadBuffer) {
  TestSupport::TempDir dir;
  const std::string path = dir.Folder() + "long.txt";
  const std::string line(70000, 'x');
  std::ofstream(path, std::ios::binary) << line << "\r"
                                        << "\n"
                                        << line;
  TextFile file(path, TextFile::Mode::Input);
  EXPECT_EQ(file.ReadLine(), line);
  EXPECT_EQ(file.ReadLine(), line);
  EXPECT_TRUE(file.AtEnd());
}

TEST(TextFile, AppendsAndWritesLinesEndingInCrLf) {
  TestSupport::TempDir dir;
  const std::string path = dir.Folder() + "day.Log";
  {
    TextFile file(path, TextFile::Mode::Append);
    file.WriteLine("one");
  }
  {
    TextFile file(path, TextFile::Mode::Append);
    EXPECT_EQ(file.Position(), 6);
    file.WriteLine("two\xe9");
    file.Close();
  }
  EXPECT_EQ(TestSupport::FileText(path), "one\r\ntwo\xe9\r\n");

  TextFile out(path, TextFile::Mode::Output);
  EXPECT_EQ(out.Length(), 0);
}

TEST(TextFile, OpeningFailuresRaiseTheClassicErrors) {
  TestSupport::TempDir dir;
  TextFile file;
  EXPECT_EQ(ErrorOf([&] { file.Open(dir.Folder() + "missing.txt", TextFile::Mode::Input); }),
            Runtime::ErrorNumber::FileNotFound);
  EXPECT_EQ(ErrorOf([&] { file.Open(dir.Folder() + "no/such.txt", TextFile::Mode::Output); }),
            Runtime::ErrorNumber::PathNotFound);
  EXPECT_EQ(ErrorOf([&] { file.Open(dir.Folder(), TextFile::Mode::Input); }),
            Runtime::ErrorNumber::PathFileAccessError);
  EXPECT_FALSE(file.IsOpen());
}
