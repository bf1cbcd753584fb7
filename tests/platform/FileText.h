#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace TestSupport {

// A file's bytes; "" when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace TestSupport
