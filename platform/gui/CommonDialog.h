#pragma once

#include <cstdint>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

namespace CommonDialogErrors {
// Raised when the person cancels and CancelError is set.
inline constexpr int32_t Cancel = 32755;
}  // namespace CommonDialogErrors

namespace FileFlags {
inline constexpr int OverwritePrompt = 0x2;
inline constexpr int HideReadOnly = 0x4;
inline constexpr int PathMustExist = 0x800;
inline constexpr int FileMustExist = 0x1000;
inline constexpr int Explorer = 0x80000;
}  // namespace FileFlags

namespace PrinterOrientations {
inline constexpr int Portrait = 1;
inline constexpr int Landscape = 2;
}  // namespace PrinterOrientations

// The save-file and printer set-up dialogs, asked through the responder. With
// CancelError set (the default here, since every caller treats a cancel as an
// error) a cancel raises error 32755 for the caller.
class TAVRO_PLATFORM_GUI_API CommonDialog {
 public:
  std::string DialogTitle;
  // "description|pattern|description|pattern..."
  std::string Filter;
  int FilterIndex = 1;
  int Flags = 0;
  std::string FileName;
  std::string InitDir;
  // When set, a name chosen without an extension takes one: that of the file
  // type chosen (SaveExtension), else this one.
  std::string DefaultExt;
  bool CancelError = true;

  // Printer set-up choices, read back after ShowPrinter.
  std::string PrinterName;
  int Copies = 1;
  int Orientation = PrinterOrientations::Portrait;
  int FromPage = 0;
  int ToPage = 0;
  // "" for the printer; otherwise the PDF file chosen to print to.
  std::string OutputFileName;
  // The printer dialog starts from the program's printer and, on OK, makes
  // the choices its own.
  bool PrinterDefault = true;

  // The chosen file's name without its folder.
  std::string FileTitle() const;

  // Asks for a file to save to, opening in InitDir: FileName holds the
  // choice afterwards and FilterIndex the file type chosen.
  void ShowSave();
  void ShowPrinter();
};

// The extension (without its dot, in lower case as file names are written
// here) that a save dialog gives a name chosen without one: that of the
// Index-th (1-based) file type of Filter when its pattern is one plain
// "*.ext", else DefaultExt.
TAVRO_PLATFORM_GUI_API std::string SaveExtension(const std::string& Filter, int Index,
                                                 const std::string& DefaultExt);

}  // namespace Platform
