// The summary reader against a plain reading of the same bytes written from
// the format's rules. The two must agree on every record of the fuzz seeds and
// of a generated line with damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/CaseFold.h"
#include "runtime/Collection.h"
#include "tests/platform/FileText.h"
#include "tests/support/TempDir.h"
#include "tests/viewer_data/SummaryReference.h"
#include "tools/sampledata/SampleData.h"
#include "viewer/data/PRDModule.h"

using namespace Kordex;
namespace fs = std::filesystem;

namespace {

using SummaryReference::Reference;

void ExpectSame(const PrdSummary& want, const PrdSummary& got) {
  EXPECT_EQ(got.Fault, want.Fault);
  EXPECT_EQ(got.ErrorNames, want.ErrorNames);
  const PrdRun& a = want.Runs[0];
  const PrdRun& b = got.Runs[0];
  EXPECT_EQ(b.BoardCount, a.BoardCount);
  EXPECT_EQ(b.StartTime.Serial, a.StartTime.Serial);
  EXPECT_EQ(b.FinishTime.Serial, a.FinishTime.Serial);
  ASSERT_EQ(b.Tables.size(), a.Tables.size());
  for (size_t i = 0; i < a.Tables.size(); ++i) {
    EXPECT_EQ(b.Tables[i].RunningSeconds, a.Tables[i].RunningSeconds);
    EXPECT_EQ(b.Tables[i].WaitingSeconds, a.Tables[i].WaitingSeconds);
    EXPECT_EQ(b.Tables[i].StoppedSeconds, a.Tables[i].StoppedSeconds);
  }
  for (const bool heads : {true, false}) {
    const auto& x = heads ? a.Heads : a.Feeders;
    const auto& y = heads ? b.Heads : b.Feeders;
    ASSERT_EQ(y.size(), x.size()) << (heads ? "heads" : "feeders");
    for (size_t i = 0; i < x.size(); ++i) {
      EXPECT_EQ(y[i].Key, x[i].Key);
      EXPECT_EQ(y[i].Total, x[i].Total);
      EXPECT_EQ(y[i].Errors, x[i].Errors);
    }
  }
  EXPECT_EQ(b.HeadTotal, a.HeadTotal);
  EXPECT_EQ(b.FeederTotal, a.FeederTotal);
  EXPECT_EQ(b.HeadErrorTotals, a.HeadErrorTotals);
  EXPECT_EQ(b.FeederErrorTotals, a.FeederErrorTotals);
}

size_t CompareAll(const fs::path& dir) {
  const Runtime::Collection none;
  size_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file() ||
        !Runtime::EqualsNoCase(entry.path().extension().string(), ".KVX")) {
      continue;
    }
    const std::string bytes = TestSupport::FileText(entry.path());
    SCOPED_TRACE(entry.path().string());
    ExpectSame(Reference(bytes).Read(), ReadMachinePrdSummaryBytes(bytes, none, none, none, "X"));
    ++count;
  }
  return count;
}

}  // namespace

TEST(SummaryReference, TheReaderAgreesWithThePlainReadingOfTheRules) {
  TestSupport::TempDir dir;
  SampleData::WriteFuzzCorpus(dir.Path() / "corpus", 1);
  EXPECT_GT(CompareAll(dir.Path() / "corpus"), 20U);
  EXPECT_GT(CompareAll(fs::path(std::getenv("TAVRO_TEST_SOURCE_DIR")) / "fuzz" / "data" / "corpus"),
            0U);
  SampleData::Options options;
  options.Seed = 11;
  options.Lines = 1;
  options.Machines = 3;
  options.Days = 8;
  options.DamagedShare = 0.5;
  SampleData::WriteDataDirectory(dir.Path() / "data", options);
  EXPECT_GT(CompareAll(dir.Path() / "data"), 30U);
}
