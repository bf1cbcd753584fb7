#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace TestSupport {

// The number of pages of a PDF file as the program's printer writes it.
inline size_t PdfPages(const std::filesystem::path& pdf) {
  std::ifstream in(pdf, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t pages = 0;
  for (size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
       at = bytes.find("/Type /Page\n", at + 1))
    ++pages;
  return pages;
}

}  // namespace TestSupport
