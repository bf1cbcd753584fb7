#include "platform/gui/PropertyBag.h"

#include <algorithm>

#include "runtime/CaseFold.h"

namespace Platform {

Runtime::Variant PropertyBag::ReadProperty(const std::string& name,
                                           const Runtime::Variant& defaultValue) const {
  for (const auto& [key, value] : values_)
    if (Runtime::EqualsNoCase(key, name)) return value;
  return defaultValue;
}

void PropertyBag::WriteProperty(const std::string& name, const Runtime::Variant& value,
                                const Runtime::Variant& defaultValue) {
  auto it = std::find_if(values_.begin(), values_.end(), [&](const auto& entry) {
    return Runtime::EqualsNoCase(entry.first, name);
  });
  if (value == defaultValue) {
    if (it != values_.end()) values_.erase(it);
    return;
  }
  if (it != values_.end())
    it->second = value;
  else
    values_.emplace_back(name, value);
}

bool PropertyBag::Contains(const std::string& name) const {
  return std::any_of(values_.begin(), values_.end(),
                     [&](const auto& entry) { return Runtime::EqualsNoCase(entry.first, name); });
}

std::vector<std::string> PropertyBag::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : values_) names.push_back(entry.first);
  return names;
}

}  // namespace Platform
