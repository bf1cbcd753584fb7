#include "platform/gui/PrinterSurface.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/gui/QtBridge.h"
#include "runtime/Error.h"

namespace Platform {

namespace {
constexpr std::int32_t PrinterError = 482;
}  // namespace

struct PrinterSurface::Impl {
  QPrinter Printer{QPrinter::HighResolution};
  QPainter Painter;
};

PrinterSurface::PrinterSurface()
    : PaintedSurface(SurfaceKind::Printer), impl_(std::make_unique<Impl>()) {
  Initialise();
}

PrinterSurface::PrinterSurface(const std::string& pdfFileName)
    : PaintedSurface(SurfaceKind::Printer), impl_(std::make_unique<Impl>()) {
  impl_->Printer.setOutputFormat(QPrinter::PdfFormat);
  impl_->Printer.setOutputFileName(ToQString(pdfFileName));
  Initialise();
}

void PrinterSurface::Initialise() {
  SetForeColor(0);
  SetBackColor(0xFFFFFF);
  SetFontName("Arial");
  SetFontSize(10);
}

PrinterSurface::~PrinterSurface() {
  EndDoc();
}

PrinterSurface& PrinterSurface::Default() {
  // Never destroyed: it would outlive the application object it needs.
  static auto* printer = new PrinterSurface();
  return *printer;
}

QPrinter& PrinterSurface::QtPrinter() {
  return impl_->Printer;
}

double PrinterSurface::DeviceWidth() const {
  return impl_->Printer.width();
}
double PrinterSurface::DeviceHeight() const {
  return impl_->Printer.height();
}
double PrinterSurface::DeviceDpi() const {
  return impl_->Printer.resolution();
}
QPaintDevice& PrinterSurface::MetricsDevice() {
  return impl_->Printer;
}

int PrinterSurface::Orientation() const {
  return impl_->Printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

void PrinterSurface::SetOrientation(int orientation) {
  if (orientation != 1 && orientation != 2) {
    Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  }
  impl_->Printer.setPageOrientation(orientation == 2 ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
  FontChanged();
}

std::string PrinterSurface::PrinterName() const {
  return FromQString(impl_->Printer.printerName());
}

void PrinterSurface::SetPrinterName(const std::string& name) {
  if (!name.empty()) impl_->Printer.setPrinterName(ToQString(name));
}

int PrinterSurface::Copies() const {
  return impl_->Printer.copyCount();
}

void PrinterSurface::SetCopies(int copies) {
  impl_->Printer.setCopyCount(std::max(1, copies));
}

std::string PrinterSurface::OutputFileName() const {
  return FromQString(impl_->Printer.outputFileName());
}

void PrinterSurface::SetOutputFileName(const std::string& fileName) {
  if (fileName.empty()) {
    impl_->Printer.setOutputFileName({});
    impl_->Printer.setOutputFormat(QPrinter::NativeFormat);
  } else {
    impl_->Printer.setOutputFormat(QPrinter::PdfFormat);
    impl_->Printer.setOutputFileName(ToQString(fileName));
  }
}

bool PrinterSurface::LineFits(double y, double lineHeight) {
  const double top = ScaleTop();
  return y <= top || y + lineHeight <= top + ScaleHeight();
}

bool PrinterSurface::JobOpen() const {
  return impl_->Painter.isActive();
}

QPainter& PrinterSurface::Painter() {
  if (!impl_->Painter.isActive()) {
    if (!impl_->Painter.begin(&impl_->Printer)) {
      Runtime::Raise(PrinterError, "Printer",
                     "Printer error: cannot start printing on " +
                         FromQString(impl_->Printer.outputFileName().isEmpty()
                                         ? impl_->Printer.printerName()
                                         : impl_->Printer.outputFileName()));
    }
    impl_->Painter.setRenderHint(QPainter::TextAntialiasing);
    PainterRestarted();
  }
  return impl_->Painter;
}

void PrinterSurface::NewPage() {
  Painter();
  impl_->Printer.newPage();
  SetCurrentX(ScaleLeft());
  SetCurrentY(ScaleTop());
}

void PrinterSurface::EndDoc() {
  if (impl_->Painter.isActive()) impl_->Painter.end();
  SetCurrentX(ScaleLeft());
  SetCurrentY(ScaleTop());
}

void PrinterSurface::KillDoc() {
  if (!impl_->Painter.isActive()) return;
  impl_->Printer.abort();
  impl_->Painter.end();
}

void PrinterSurface::DoCls() {
  NotSupported();
}

}  // namespace Platform
