#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Files.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr size_t kChunk = 65536;

[[noreturn]] void Fail(int32_t number) {
  Runtime::Raise(number, "TextFile");
}

}  // namespace

TextFile::~TextFile() {
  try {
    Close();
  } catch (...) {
    // A destructor cannot report; Close() called by the owner does.
  }
}

void TextFile::Open(std::string_view path, Mode mode) {
  if (IsOpen()) Fail(Runtime::ErrorNumber::PathFileAccessError);
  const std::string native = ResolvePath(path);
  int flags = 0;
  switch (mode) {
    case Mode::Input: flags = O_RDONLY; break;
    case Mode::Output: flags = O_WRONLY | O_CREAT | O_TRUNC; break;
    case Mode::Append: flags = O_WRONLY | O_CREAT | O_APPEND; break;
  }
  // Never waits: a pipe, a device or a folder in the file's place is refused.
  int error = ENOENT;
  const int fd = native.empty() ? -1 : OpenRegularFile(native, flags, error, 0666);
  if (fd < 0) {
    if (error == ENOENT) {
      const bool folderMissing =
          native.find('/') != std::string::npos &&
          !IsFolder(std::string_view(path).substr(0, std::string_view(path).rfind('/') + 1));
      Fail(folderMissing ? Runtime::ErrorNumber::PathNotFound
                         : (mode == Mode::Input ? Runtime::ErrorNumber::FileNotFound
                                                : Runtime::ErrorNumber::PathFileAccessError));
    }
    Fail(error == ENOTDIR ? Runtime::ErrorNumber::PathNotFound
                          : Runtime::ErrorNumber::PathFileAccessError);
  }
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    close(fd);
    Fail(Runtime::ErrorNumber::PathFileAccessError);
  }
  fd_ = fd;
  mode_ = mode;
  buffer_.clear();
  taken_ = 0;
  bufferStart_ = mode == Mode::Append ? static_cast<int64_t>(st.st_size) : 0;
}

void TextFile::Close() {
  if (!IsOpen()) return;
  const int fd = fd_;
  try {
    if (mode_ != Mode::Input) Flush();
  } catch (...) {
    close(fd);
    fd_ = -1;
    throw;
  }
  fd_ = -1;
  if (close(fd) != 0 && mode_ != Mode::Input) Fail(Runtime::ErrorNumber::PathFileAccessError);
}

void TextFile::Check() const {
  if (!IsOpen()) Fail(Runtime::ErrorNumber::BadFileNameOrNumber);
}

bool TextFile::Fill() {
  if (taken_ < buffer_.size()) return true;
  bufferStart_ += static_cast<int64_t>(buffer_.size());
  buffer_.resize(kChunk);
  taken_ = 0;
  for (;;) {
    const ssize_t n = read(fd_, buffer_.data(), kChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      buffer_.clear();
      Fail(Runtime::ErrorNumber::PathFileAccessError);
    }
    buffer_.resize(static_cast<size_t>(n));
    return n > 0;
  }
}

bool TextFile::AtEnd() {
  Check();
  if (mode_ != Mode::Input) return true;
  return !Fill();
}

std::string TextFile::ReadLine() {
  Check();
  if (mode_ != Mode::Input) Fail(Runtime::ErrorNumber::BadFileNameOrNumber);
  if (!Fill()) Fail(Runtime::ErrorNumber::InputPastEndOfFile);
  std::string line;
  for (;;) {
    const size_t end = buffer_.find_first_of("\r\n", taken_);
    if (end == std::string::npos) {
      line.append(buffer_, taken_, std::string::npos);
      taken_ = buffer_.size();
      if (!Fill()) return line;
      continue;
    }
    line.append(buffer_, taken_, end - taken_);
    const char brk = buffer_[end];
    taken_ = end + 1;
    if (brk == '\r' && Fill() && buffer_[taken_] == '\n') ++taken_;
    return line;
  }
}

void TextFile::Write(std::string_view text) {
  Check();
  if (mode_ == Mode::Input) Fail(Runtime::ErrorNumber::BadFileNameOrNumber);
  buffer_.append(text);
  if (buffer_.size() >= kChunk) Flush();
}

void TextFile::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void TextFile::Flush() {
  size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      buffer_.erase(0, done);
      bufferStart_ += static_cast<int64_t>(done);
      Fail(Runtime::ErrorNumber::PathFileAccessError);
    }
    done += static_cast<size_t>(n);
  }
  bufferStart_ += static_cast<int64_t>(buffer_.size());
  buffer_.clear();
}

int64_t TextFile::Length() {
  Check();
  if (mode_ != Mode::Input) Flush();
  struct stat st {};
  if (fstat(fd_, &st) != 0) Fail(Runtime::ErrorNumber::PathFileAccessError);
  return static_cast<int64_t>(st.st_size);
}

int64_t TextFile::Position() const {
  Check();
  if (mode_ == Mode::Input) return bufferStart_ + static_cast<int64_t>(taken_) + 1;
  return bufferStart_ + static_cast<int64_t>(buffer_.size()) + 1;
}

void TextFile::Seek(int64_t position) {
  Check();
  if (position < 1) Fail(Runtime::ErrorNumber::BadFileNameOrNumber);
  if (mode_ != Mode::Input) Flush();
  if (lseek(fd_, static_cast<off_t>(position - 1), SEEK_SET) < 0)
    Fail(Runtime::ErrorNumber::PathFileAccessError);
  buffer_.clear();
  taken_ = 0;
  bufferStart_ = position - 1;
}

}  // namespace Platform
