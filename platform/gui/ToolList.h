#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class Tool;
class ToolBarControl;

// An ordered list of tools: the control's collection of every tool, or the
// tools of one band or one menu (a place). Positions are 1-based; identifiers
// compare without regard to case.
//
// Adding to a place puts the control's tool of that identifier there, or makes
// a new tool when the control has none. A tool made that way leaves the control
// when it is removed from its last place; a tool added to the control's
// collection stays until it is removed from there, which also takes it out of
// every place.
//
// Errors: 5 for a position or identifier the list does not hold, an empty
// identifier or a menu that would hold itself; 457 for an identifier already in
// the list; 91 once the control is gone.
class TAVRO_PLATFORM_GUI_API ToolList : public Runtime::Object {
 public:
  ~ToolList() override;

  int16_t Count() const;
  // By position (a number) or identifier (a text).
  std::shared_ptr<Tool> Item(const Runtime::Variant& index) const;
  // Appends the tool and returns it; a type given sets the type of a tool made
  // here (a tool that exists keeps its own).
  std::shared_ptr<Tool> Add(const std::string& id, std::optional<int16_t> type = {});
  void Remove(const Runtime::Variant& index);
  void Clear();

  bool Contains(const Tool& tool) const;
  // The position of the identifier (1-based), 0 when the list has none.
  int Find(const std::string& id) const;

  using const_iterator = std::vector<std::shared_ptr<Tool>>::const_iterator;
  const_iterator begin() const { return tools_.begin(); }
  const_iterator end() const { return tools_.end(); }

 private:
  friend class Band;
  friend class BandList;
  friend class Tool;
  friend class ToolBarControl;
  friend class ToolMenu;
  // The control's own collection (menuOwner nullptr, all true), a band's list
  // or the list of a menu tool's menu.
  ToolList(ToolBarControl* control, const Tool* menuOwner, bool all);
  size_t IndexOf(const Runtime::Variant& index) const;
  ToolBarControl& RequireControl() const;

  ToolBarControl* control_;
  const Tool* menuOwner_;
  bool all_;
  std::vector<std::shared_ptr<Tool>> tools_;
};

}  // namespace Platform
