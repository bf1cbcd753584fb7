#pragma once

#include <filesystem>
#include <string>

namespace TestSupport {

// A fresh folder below the test process's own temporary root, removed with the
// process's root when the test program ends.
class TempDir {
public:
  TempDir();
  const std::filesystem::path& Path() const { return path_; }
  // The folder as the system writes folders: ending in "/".
  std::string Folder() const { return path_.string() + "/"; }

private:
  std::filesystem::path path_;
};

// The process's temporary root (made by the test main).
const std::filesystem::path& TestRoot();

}  // namespace TestSupport
