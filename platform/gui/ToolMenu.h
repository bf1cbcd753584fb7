#pragma once

#include <memory>

#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class Tool;
class ToolList;

// The menu of a menu tool: its tools in order. A tool of the list that is a
// menu tool opens a sub-menu.
class TAVRO_PLATFORM_GUI_API ToolMenu : public Runtime::Object {
 public:
  ~ToolMenu() override;

  // The same list every time.
  const std::shared_ptr<ToolList>& Tools() const { return tools_; }
  // The menu tool whose menu this is; nullptr once the tool is gone.
  Tool* Owner() const { return owner_; }

 private:
  friend class Tool;
  explicit ToolMenu(Tool& owner);

  Tool* owner_;
  std::shared_ptr<ToolList> tools_;
};

}  // namespace Platform
