#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Event.h"
#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class BandList;
class Tool;
class ToolBarView;
class ToolList;

// A toolbar-and-menu control: its tools, its bands (toolbars and the menu bar
// "MenuBar") and the menus of its menu tools, all kept here without any
// window; a view (the Qt layer's, see ToolBarWindow.h) shows them and tells the
// control of a person's clicks.
//
// Made with std::make_shared; it travels as a Variant like the tools.
class TAVRO_PLATFORM_GUI_API ToolBarControl : public Runtime::Object {
 public:
  ToolBarControl();
  ~ToolBarControl() override;
  ToolBarControl(const ToolBarControl&) = delete;
  ToolBarControl& operator=(const ToolBarControl&) = delete;

  // Every tool of the control; the same list every time.
  const std::shared_ptr<ToolList>& Tools() const { return tools_; }
  // The same list every time.
  const std::shared_ptr<BandList>& Bands() const { return bands_; }

  // Shows the menu of a menu tool (given as the tool or its identifier) as a
  // pop-up at the mouse pointer, or at (x, y) in twips from the top-left corner
  // of the window the control lies on, and returns once it is closed. A tool
  // chosen from it has raised its ToolClick by then. Raises 5 for a tool that
  // is no menu tool of this control, 13 for a value that names no tool.
  void PopupMenu(const Runtime::Variant& tool, std::optional<double> x = {},
                 std::optional<double> y = {});

  // Raised for every click of an enabled tool, to every handler in the order
  // they were connected. A handler connected during a raise hears the next one.
  Event<const std::shared_ptr<Tool>&> ToolClick;

  // What a person's click on a tool does: a state button changes its state,
  // then ToolClick is raised. Nothing for a disabled tool, a menu tool, a
  // separator or a tool of another control.
  void ToolClicked(const std::shared_ptr<Tool>& tool);

  // The tool with the identifier, nullptr when there is none.
  std::shared_ptr<Tool> FindTool(const std::string& id) const;
  // Whether the tool stands in a band or a menu.
  bool IsPlaced(const Tool& tool) const;

  // The view that shows the control, nullptr for none; the view connects and
  // disconnects itself.
  ToolBarView* View() const { return view_; }
  void SetView(ToolBarView* view) { view_ = view; }

  // From the model's objects: something changed that a view shows.
  void NoticeToolChanged(const Tool& tool);
  void NoticeLayoutChanged();
  // A tool of a group was pressed: the others of the group are released.
  void NoticePressed(const Tool& tool);
  // The tool leaves the control: out of every place and the collection.
  void Release(const std::shared_ptr<Tool>& tool);

 private:
  std::shared_ptr<ToolList> tools_;
  std::shared_ptr<BandList> bands_;
  ToolBarView* view_ = nullptr;
};

}  // namespace Platform
