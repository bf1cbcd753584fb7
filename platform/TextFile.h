#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/PlatformApi.h"

namespace Platform {

// A file opened for sequential text input, output or appending, as the classic
// runtime's file numbers are used: read line by line, written line by line
// (lines end in CR LF), positions counted in bytes from 1. Text is bytes
// (Windows-1252), passed through unchanged. The path is found without regard
// to case (Files.h). Errors raise Runtime::Error: 53 for a missing file to
// read, 76 for a missing folder, 75 for any other failure to open or write,
// 62 for reading past the end, 52 for a file that is not open.
class TAVRO_PLATFORM_API TextFile {
 public:
  enum class Mode { Input, Output, Append };

  TextFile() = default;
  TextFile(std::string_view path, Mode mode) { Open(path, mode); }
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Output creates or empties the file; Append creates it or writes at its end.
  void Open(std::string_view path, Mode mode);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // True when no byte is left to read.
  bool AtEnd();
  // The next line without its line break (CR LF, LF or a lone CR).
  std::string ReadLine();

  void Write(std::string_view text);
  void WriteLine(std::string_view text);

  // The file's length in bytes.
  int64_t Length();
  // The position of the next byte read or written, from 1.
  int64_t Position() const;
  // Moves the next read or write to a position, from 1.
  void Seek(int64_t position);

 private:
  bool Fill();
  void Flush();
  void Check() const;

  int fd_ = -1;
  Mode mode_ = Mode::Input;
  std::string buffer_;       // bytes read ahead (input) or waiting to be written (output)
  size_t taken_ = 0;         // bytes of buffer_ already read
  int64_t bufferStart_ = 0;  // file offset of buffer_[0]
};

}  // namespace Platform
