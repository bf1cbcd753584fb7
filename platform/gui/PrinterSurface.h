#pragma once

#include <memory>
#include <string>

#include "platform/gui/PaintedSurface.h"
#include "platform/gui/PlatformGuiApi.h"

class QPrinter;

namespace Platform {

// The printer as a drawing surface, in the printer's own device units (dots).
// The first drawing starts the print job; its painter stays open until EndDoc,
// which sends the job. It has no Cls, Picture or Image (error 438). Needs a
// QGuiApplication.
class TAVRO_PLATFORM_GUI_API PrinterSurface : public PaintedSurface {
 public:
  // The system's default printer.
  PrinterSurface();
  // Prints to a PDF file (Windows-1252 name) instead.
  explicit PrinterSurface(const std::string& pdfFileName);
  // Ends a job still open.
  ~PrinterSurface() override;

  // The program's printer, made on first use.
  static PrinterSurface& Default();

  // For the printer set-up dialog.
  QPrinter& QtPrinter();

  // 1 portrait, 2 landscape (error 380 otherwise); a change during a job takes
  // effect on the next page.
  int Orientation() const;
  void SetOrientation(int orientation);

  // The choices of the printer dialog; they take effect with the next job.
  std::string PrinterName() const;
  void SetPrinterName(const std::string& name);
  int Copies() const;
  void SetCopies(int copies);
  // "" prints on the printer; a name prints to that PDF file instead.
  std::string OutputFileName() const;
  void SetOutputFileName(const std::string& fileName);

  bool JobOpen() const;
  // Ends the page and starts the next one; the current position goes to the top.
  void NewPage();
  // Ends the job and sends it; nothing happens when no job is open.
  void EndDoc();
  // Abandons the job.
  void KillDoc();

 protected:
  double DeviceWidth() const override;
  double DeviceHeight() const override;
  double DeviceDpi() const override;
  QPainter& Painter() override;
  const QImage* ReadablePixels() override { return nullptr; }
  QPaintDevice& MetricsDevice() override;
  bool HasRasterOps() const override { return false; }
  void DoCls() override;
  // Text printed past the bottom of the page goes on at the top of the next.
  bool LineFits(double y, double lineHeight) override;
  void StartNextPage() override { NewPage(); }

 private:
  void Initialise();

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
