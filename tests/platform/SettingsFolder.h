#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/TempDir.h"

namespace TestSupport {

// Points the settings store at a fresh folder while it lives.
class SettingsFolder {
 public:
  SettingsFolder() {
    if (const char* old = std::getenv("TAVRO_CONFIG_DIR")) old_ = old;
    setenv("TAVRO_CONFIG_DIR", dir_.Path().c_str(), 1);
  }
  ~SettingsFolder() {
    if (old_) {
      setenv("TAVRO_CONFIG_DIR", old_->c_str(), 1);
    } else {
      unsetenv("TAVRO_CONFIG_DIR");
    }
  }
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;
  const std::filesystem::path& Path() const { return dir_.Path(); }

 private:
  TempDir dir_;
  std::optional<std::string> old_;
};

}  // namespace TestSupport
