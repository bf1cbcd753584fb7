#include "viewer/shell/TableFile.h"

#include <string_view>
#include <vector>

#include "platform/TextFile.h"
#include "runtime/Encoding.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"

namespace Kordex {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The lines of a text, whatever its line ends; a line end at the very end
// makes no empty last line.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, kCrLf) == 0 ? 2 : 1);
  }
  return lines;
}

void AppendCell(std::string& out, std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

TableFileType TableFileTypeOf(const std::string& Path) {
  const size_t slash = Path.find_last_of('/');
  const std::string_view name =
      std::string_view(Path).substr(slash == std::string::npos ? 0 : slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return TableFileType::Unknown;
  const std::string extension = Runtime::UCase(name.substr(dot));
  if (extension == ".TXT") return TableFileType::Text;
  if (extension == ".RTF") return TableFileType::RichText;
  if (extension == ".CSV") return TableFileType::CommaSeparated;
  return TableFileType::Unknown;
}

std::string CommaSeparatedText(const std::string& PlainText) {
  std::string out;
  for (std::string_view line : Lines(PlainText)) {
    size_t start = 0;
    for (;;) {
      const size_t tab = line.find('\t', start);
      AppendCell(out, line.substr(start, tab == std::string_view::npos ? tab : tab - start));
      if (tab == std::string_view::npos) break;
      out += ',';
      start = tab + 1;
    }
    out += kCrLf;
  }
  return out;
}

void WriteTableFile(const std::string& Path, TableFileType Type, const std::string& PlainText,
                    const std::string& RichText) {
  std::string content;
  switch (Type) {
    case TableFileType::Text:
      for (std::string_view line : Lines(PlainText)) {
        content += line;
        content += kCrLf;
      }
      if (content.empty()) content = kCrLf;
      content = Runtime::Cp1252ToUtf8(content);
      break;
    case TableFileType::RichText: content = RichText + std::string(kCrLf); break;
    case TableFileType::CommaSeparated:
      content = Runtime::Cp1252ToUtf8(CommaSeparatedText(PlainText));
      break;
    case TableFileType::Unknown:
      Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, "WriteTableFile");
  }
  Platform::TextFile file(Path, Platform::TextFile::Mode::Output);
  file.Write(content);
  file.Close();
}

}  // namespace Kordex
