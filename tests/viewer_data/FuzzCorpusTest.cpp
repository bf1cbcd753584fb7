// Runs the production-data fuzz targets' bodies over their seed corpus: the
// seeds the sample-data generator writes and the hand-made ones kept with the
// targets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/data/DataFuzzEntries.h"
#include "tests/platform/FileText.h"
#include "tests/support/TempDir.h"
#include "tools/sampledata/SampleData.h"

namespace fs = std::filesystem;

namespace {

template <class Entry>
size_t RunOver(const fs::path& dir, Entry entry) {
  size_t count = 0;
  if (!fs::is_directory(dir)) return 0;
  for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
    if (!file.is_regular_file()) continue;
    const std::string bytes = TestSupport::FileText(file.path());
    SCOPED_TRACE(file.path().string());
    entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++count;
  }
  return count;
}

fs::path KeptCorpus() {
  return fs::path(std::getenv("TAVRO_TEST_SOURCE_DIR")) / "fuzz" / "data" / "corpus";
}

}  // namespace

TEST(DataFuzzCorpus, SummaryReaderTakesEverySeed) {
  TestSupport::TempDir dir;
  Kordex::SampleData::WriteFuzzCorpus(dir.Path(), 1);
  EXPECT_GT(RunOver(dir.Path() / "kvx", Kordex::Fuzz::SummaryReaderInput), 20U);
  EXPECT_GT(RunOver(KeptCorpus() / "kvx", Kordex::Fuzz::SummaryReaderInput), 0U);
}

TEST(DataFuzzCorpus, ParseDateTimeTakesEverySeed) {
  TestSupport::TempDir dir;
  Kordex::SampleData::WriteFuzzCorpus(dir.Path(), 1);
  EXPECT_GT(RunOver(dir.Path() / "datetime", Kordex::Fuzz::ParseDateTimeInput), 10U);
  EXPECT_GT(RunOver(KeptCorpus() / "datetime", Kordex::Fuzz::ParseDateTimeInput), 0U);
}
