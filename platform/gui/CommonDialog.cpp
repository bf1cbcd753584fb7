#include "platform/gui/CommonDialog.h"

#include <vector>

#include "platform/gui/PrinterSurface.h"
#include "platform/gui/Responder.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"

namespace Platform {

namespace {

[[noreturn]] void Cancelled() {
  Runtime::Raise(CommonDialogErrors::Cancel, "CommonDialog", "Cancel was selected.");
}

// The parts of a "description|pattern|..." filter between its bars.
std::vector<std::string> FilterParts(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
    if (bar == std::string::npos) return parts;
    start = bar + 1;
  }
}

bool HasExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return path.find('.', slash == std::string::npos ? 0 : slash + 1) != std::string::npos;
}

}  // namespace

std::string SaveExtension(const std::string& Filter, int Index, const std::string& DefaultExt) {
  std::string extension = DefaultExt;
  const std::vector<std::string> parts = FilterParts(Filter);
  const size_t pattern = 2 * static_cast<size_t>(Index) - 1;
  if (Index >= 1 && pattern < parts.size()) {
    const std::string text = Runtime::Trim(parts[pattern]);
    if (text.size() > 2 && text.compare(0, 2, "*.") == 0 &&
        text.find_first_of("*?;. ", 2) == std::string::npos)
      extension = text.substr(2);
  }
  if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
  return Runtime::LCase(extension);
}

std::string CommonDialog::FileTitle() const {
  const size_t slash = FileName.find_last_of("/\\");
  return slash == std::string::npos ? FileName : FileName.substr(slash + 1);
}

void CommonDialog::ShowSave() {
  FileDialogRequest request{DialogTitle, Filter, FilterIndex, Flags, FileName, InitDir, DefaultExt};
  const auto chosen = CurrentResponder().SaveFile(request);
  if (!chosen) {
    if (CancelError) Cancelled();
    FileName.clear();
    return;
  }
  FilterIndex = request.FilterIndex;
  FileName = *chosen;
  if (DefaultExt.empty() || FileName.empty() || FileName.back() == '/' || HasExtension(FileName))
    return;
  const std::string extension = SaveExtension(Filter, FilterIndex, DefaultExt);
  if (!extension.empty()) FileName += "." + extension;
}

void CommonDialog::ShowPrinter() {
  if (PrinterDefault) {
    const PrinterSurface& printer = PrinterSurface::Default();
    PrinterName = printer.PrinterName();
    Copies = printer.Copies();
    Orientation = printer.Orientation();
    OutputFileName = printer.OutputFileName();
  }
  PrinterRequest request{PrinterName, Copies, Orientation, FromPage, ToPage, Flags, OutputFileName};
  if (!CurrentResponder().PrinterSetup(request)) {
    if (CancelError) Cancelled();
    return;
  }
  PrinterName = request.PrinterName;
  Copies = request.Copies;
  Orientation = request.Orientation;
  FromPage = request.FromPage;
  ToPage = request.ToPage;
  OutputFileName = request.OutputFileName;
  if (PrinterDefault) {
    PrinterSurface& printer = PrinterSurface::Default();
    printer.SetPrinterName(PrinterName);
    printer.SetCopies(Copies);
    printer.SetOrientation(Orientation == PrinterOrientations::Landscape
                               ? PrinterOrientations::Landscape
                               : PrinterOrientations::Portrait);
    printer.SetOutputFileName(OutputFileName);
  }
}

}  // namespace Platform
