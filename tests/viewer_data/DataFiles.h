#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "tests/platform/FileText.h"

namespace DataTest {

// The lines joined with CR LF, as the machines write them.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// Writes the file, making its folders, and gives its name as the system
// passes file names.
inline std::string WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  TestSupport::WriteFileText(path, bytes);
  return path.string();
}

}  // namespace DataTest
