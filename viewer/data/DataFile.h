#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Platform {
class FolderHandle;
}

namespace Kordex {

// The one place where the production-data readers open a file: reads the whole
// file into bytes, reusing its capacity. FileName is the system's text
// (Windows-1252); its levels are found without regard to case when it does not
// exist as written. False, with bytes empty, when the file cannot be opened or
// read, when it is not a regular file (a pipe, a device or a folder is never
// waited on) or when it holds more than maxBytes ("too large": a file is read
// whole or not at all). why, when given, then says which in a few words.
inline constexpr std::string_view DataFileTooLarge = "too large";
bool ReadDataFile(const std::string& FileName, std::string& bytes, size_t maxBytes,
                  std::string* why = nullptr);

// The same for a file at a native path below an open folder: the bytes a
// folder listing gave, opened as they are.
bool ReadDataFileAt(const Platform::FolderHandle& Folder, const char* NativePath,
                    std::string& bytes, size_t maxBytes, std::string* why = nullptr);

}  // namespace Kordex
