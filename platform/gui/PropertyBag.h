#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

// The persisted properties of a user control: named values, read with a default
// for a name that is absent, written only when they differ from their default.
// Names compare without regard to case.
class TAVRO_PLATFORM_GUI_API PropertyBag {
 public:
  Runtime::Variant ReadProperty(const std::string& name,
                                const Runtime::Variant& defaultValue = {}) const;
  // A value equal to the default (same kind and value) is not stored, and
  // removes what was stored under the name.
  void WriteProperty(const std::string& name, const Runtime::Variant& value,
                     const Runtime::Variant& defaultValue = {});
  bool Contains(const std::string& name) const;
  int Count() const { return static_cast<int>(values_.size()); }
  // The stored names in the order they were first written.
  std::vector<std::string> Names() const;

 private:
  std::vector<std::pair<std::string, Runtime::Variant>> values_;
};

}  // namespace Platform
