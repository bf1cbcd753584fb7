#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Logging.h"
#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "tests/platform/FileText.h"
#include "tests/support/TempDir.h"

using namespace Common;

namespace {

class LoggingTest : public testing::Test {
 protected:
  void SetUp() override {
    Runtime::Clock::Set(Runtime::DateTime{Runtime::DateSerial(2024, 3, 5).Serial +
                                          Runtime::TimeSerial(7, 4, 9).Serial});
  }
  void TearDown() override {
    Runtime::Clock::Reset();
    LogLevel = 0;
    LogDir.clear();
  }
};

}  // namespace

TEST_F(LoggingTest, TheFirstEntryOfTheDayMakesTheDaysFile) {
  TestSupport::TempDir dir;
  LogLevel = 2;
  LogDir = dir.Folder();
  WriteLog("TavroSPC", "Created", 2);
  WriteLog("TavroSPC", "Too detailed", 3);
  Runtime::Clock::Advance(60);
  WriteLog("TavroSPC", "Again", 1);
  WriteLog("Other", "Elsewhere", 1);
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "5-03-24TavroSPC.Log"),
            "5-03-24 07:04:09\tCreated\r\n5-03-24 07:05:09\tAgain\r\n");
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "5-03-24Other.Log"),
            "5-03-24 07:05:09\tElsewhere\r\n");
  Runtime::Clock::Advance(24 * 3600);
  WriteLog("TavroSPC", "Next day", 1);
  EXPECT_EQ(TestSupport::FileText(dir.Path() / "6-03-24TavroSPC.Log"),
            "6-03-24 07:05:09\tNext day\r\n");
}

TEST_F(LoggingTest, WithoutAFolderNothingIsWritten) {
  TestSupport::TempDir dir;
  WriteLog("TavroKordex", "Terminate", 1);  // level 0 and no folder, as the viewer leaves them
  LogLevel = 2;
  WriteLog("TavroKordex", "Terminate", 1);
  LogDir = dir.Folder() + "missing/";
  EXPECT_NO_THROW(WriteLog("TavroSPC", "Lost", 1));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
