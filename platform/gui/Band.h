#pragma once

#include <memory>
#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class ToolBarControl;
class ToolList;

// A row of tools of a toolbar-and-menu control: a toolbar, or the window's
// menu bar, whose tools are the menu titles.
class TAVRO_PLATFORM_GUI_API Band : public Runtime::Object {
 public:
  ~Band() override;

  const std::string& Name() const { return name_; }
  bool IsMenuBar() const { return menuBar_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // The same list every time.
  const std::shared_ptr<ToolList>& Tools() const { return tools_; }

 private:
  friend class BandList;
  friend class ToolBarControl;
  Band(ToolBarControl& control, std::string name, bool menuBar);

  ToolBarControl* control_;
  std::string name_;
  bool menuBar_;
  bool visible_ = true;
  std::shared_ptr<ToolList> tools_;
};

}  // namespace Platform
