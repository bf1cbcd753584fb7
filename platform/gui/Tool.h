#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "runtime/Variant.h"

namespace Platform {

class ToolBarControl;
class ToolMenu;

// The kinds of tool a toolbar-and-menu control knows. Every other number
// behaves as a plain button.
namespace ToolTypes {
inline constexpr int16_t Button = 0;
// Pressed (State 1) or not; a click presses it, and releases the other tools of
// its group, or toggles it when it has no group.
inline constexpr int16_t StateButton = 1;
inline constexpr int16_t Menu = 7;
inline constexpr int16_t Separator = 8;
}  // namespace ToolTypes

// One tool of a toolbar-and-menu control: a button, a state button, a menu
// title or a separator line. A tool has one identifier in its control and one
// set of flags wherever it stands (in any number of bands and menus), and it is
// the same object however it is reached, so tools compare by identity.
//
// Tools are made by the control's tool lists. A tool keeps a plain pointer to
// its control, which the control clears when it lets the tool go or ends; a
// tool without a control keeps its values and can no longer be shown.
class TAVRO_PLATFORM_GUI_API Tool : public Runtime::Object {
 public:
  ~Tool() override;

  // Unique in the control, compared without regard to case.
  const std::string& ID() const { return id_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The caption as it reads on screen: without the "&" that marks the access
  // key ("&&" stands for one "&").
  std::string Name() const;
  // The longer text shown as the tool's tip.
  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& description);

  // Availability: a tool that is not enabled shows greyed and raises no
  // ToolClick.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // 1 = pressed. Pressing a tool of a group releases the others of that group.
  int16_t State() const { return state_; }
  void SetState(int16_t state);
  const std::string& Group() const { return group_; }
  void SetGroup(const std::string& group);
  // How a toolbar shows the tool: 0 the picture when it has one, else the
  // caption; 1 the caption only; 2 the picture and the caption.
  int16_t Style() const { return style_; }
  void SetStyle(int16_t style);
  // ToolTypes. Making a tool a menu gives it its (empty) menu.
  int16_t Type() const { return type_; }
  void SetType(int16_t type);

  // Any value, a number or an object reference, handed back unchanged.
  const Runtime::Variant& TagVariant() const { return tag_; }
  void SetTagVariant(const Runtime::Variant& tag) { tag_ = tag; }

  const Platform::Picture& Picture() const { return picture_; }
  void SetPicture(const Platform::Picture& picture);

  // Where the tool shows on a band, in pixels from the top-left corner of the
  // window the control lies on; all 0 while it shows on no band.
  int Left() const;
  int Top() const;
  int Height() const;

  // The menu of a menu tool; raises 438 for a tool of another type. The same
  // object every time.
  std::shared_ptr<ToolMenu> Menu() const;

  // The control the tool belongs to; nullptr once it left it.
  ToolBarControl* Control() const { return control_; }

 private:
  friend class ToolBarControl;
  friend class ToolList;
  Tool(ToolBarControl& control, std::string id, bool transient);
  void Changed();

  ToolBarControl* control_;
  std::string id_;
  // Made by a band's or menu's list at run time: it leaves the control when it
  // leaves its last place.
  bool transient_;
  std::string caption_;
  std::string description_;
  bool enabled_ = true;
  bool visible_ = true;
  int16_t state_ = 0;
  std::string group_;
  int16_t style_ = 0;
  int16_t type_ = ToolTypes::Button;
  Runtime::Variant tag_;
  Platform::Picture picture_;
  std::shared_ptr<ToolMenu> menu_;
};

}  // namespace Platform
