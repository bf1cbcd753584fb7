// Runs the formula fuzz target's body over its seed corpus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/datemacros/FormulaFuzzEntry.h"
#include "runtime/Clock.h"
#include "tests/platform/FileText.h"

namespace fs = std::filesystem;

TEST(FormulaFuzzCorpus, TakesEverySeed) {
  const fs::path dir =
      fs::path(std::getenv("TAVRO_TEST_SOURCE_DIR")) / "fuzz" / "datemacros" / "corpus";
  size_t count = 0;
  for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
    const std::string bytes = TestSupport::FileText(file.path());
    SCOPED_TRACE(file.path().string());
    Kordex::Fuzz::FormulaInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++count;
  }
  Runtime::Clock::Reset();
  EXPECT_GT(count, 60U);
}
