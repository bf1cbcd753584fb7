// Test main shared by every test program: settings, state and log folders point
// into a private temporary root, so no test ever touches the machine's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  const auto& root = TestSupport::TestRoot();
  setenv("TAVRO_CONFIG_DIR", (root / "config").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root / "xdg-config").c_str(), 1);
  setenv("XDG_STATE_HOME", (root / "xdg-state").c_str(), 1);
  setenv("HOME", (root / "home").c_str(), 1);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("TAVRO_TEST_SOURCE_DIR", TAVRO_SOURCE_DIR, 0);
  setenv("TAVRO_TEST_BINARY_DIR", TAVRO_BINARY_DIR, 0);
  testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return rc;
}
