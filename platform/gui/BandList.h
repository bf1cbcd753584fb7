#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class Band;
class ToolBarControl;

// The bands of a toolbar-and-menu control, in order; by position (1-based) or
// name (without regard to case). Errors as for a tool list: 5 for a band it
// does not hold or an empty name, 457 for a name in use.
class TAVRO_PLATFORM_GUI_API BandList : public Runtime::Object {
 public:
  ~BandList() override;

  int16_t Count() const;
  std::shared_ptr<Band> Item(const Runtime::Variant& index) const;
  // Appends a toolbar, or the menu bar when menuBar is set.
  std::shared_ptr<Band> Add(const std::string& name, bool menuBar = false);
  void Remove(const Runtime::Variant& index);

  using const_iterator = std::vector<std::shared_ptr<Band>>::const_iterator;
  const_iterator begin() const { return bands_.begin(); }
  const_iterator end() const { return bands_.end(); }

 private:
  friend class ToolBarControl;
  explicit BandList(ToolBarControl& control);
  size_t IndexOf(const Runtime::Variant& index) const;

  ToolBarControl* control_;
  std::vector<std::shared_ptr<Band>> bands_;
};

}  // namespace Platform
