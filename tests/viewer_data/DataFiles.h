#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

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

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes the file and gives its name as the system passes file names.
inline std::string WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  WriteBytes(path, bytes);
  return path.string();
}

}  // namespace DataTest
