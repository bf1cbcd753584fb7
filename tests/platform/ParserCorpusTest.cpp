#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/ParserChecks.h"
#include "tests/platform/FileText.h"

namespace {

// Runs a check over every file of a seed folder of the fuzz targets.
void RunCorpus(const char* folder, std::string (*check)(std::string_view)) {
  const std::filesystem::path dir = std::filesystem::path(std::getenv("TAVRO_TEST_SOURCE_DIR")) /
                                    "tests/platform/corpus" / folder;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    EXPECT_EQ(check(TestSupport::FileText(entry.path())), "") << entry.path();
    ++files;
  }
  EXPECT_GT(files, 3);
}

}  // namespace

TEST(ParserCorpus, ProfileFilesKeepTheirProperties) {
  RunCorpus("ini", FuzzChecks::CheckProfileText);
}

TEST(ParserCorpus, SettingsFilesKeepTheirProperties) {
  RunCorpus("settings", FuzzChecks::CheckRegistryText);
}

TEST(ParserCorpus, RichTextReadsAndWritesBackTheSame) {
  RunCorpus("rtf", FuzzChecks::CheckRichText);
}
