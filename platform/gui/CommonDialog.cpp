#include "platform/gui/CommonDialog.h"

#include "platform/gui/PrinterSurface.h"
#include "platform/gui/Responder.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

[[noreturn]] void Cancelled() {
  Runtime::Raise(CommonDialogErrors::Cancel, "CommonDialog", "Cancel was selected.");
}

}  // namespace

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
  FileName = *chosen;
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
