#include "tests/support/TempDir.h"

#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <stdexcept>

namespace TestSupport {

const std::filesystem::path& TestRoot() {
  static const std::filesystem::path root = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavro-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder");
    return std::filesystem::path(pattern);
  }();
  return root;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = TestRoot() / ("d" + std::to_string(++counter));
  std::filesystem::create_directories(path_);
}

}  // namespace TestSupport
