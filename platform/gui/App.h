#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// What the program knows of itself: its folder, its executable name, its title
// and its version data. The program sets its version data at start-up.
class TAVRO_PLATFORM_GUI_API App {
 public:
  // The folder of the executable, without a separator at the end.
  static std::string Path();
  // The executable's name without its folder and extension.
  static std::string EXEName();
  static void SetEXEName(const std::string& name);
  // The program's title (the executable name until set).
  static std::string Title();
  static void SetTitle(const std::string& title);

  static int Major();
  static int Minor();
  static int Revision();
  static void SetVersion(int major, int minor, int revision);
  static std::string FileDescription();
  static void SetFileDescription(const std::string& description);
  static std::string ProductName();
  static void SetProductName(const std::string& name);
};

}  // namespace Platform
