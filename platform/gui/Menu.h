#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "platform/gui/Control.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;
struct MenuInternal;

// A menu of a form: a top-level menu (on the form's menu bar while visible, or
// popped up with Form::PopupMenu) or an item of another menu. A caption of "-"
// makes a separator line; "&" marks the access key. Click runs when the item is
// chosen (a top-level menu: when it is opened).
class TAVRO_PLATFORM_GUI_API Menu : public Control {
 public:
  // A top-level menu of the form.
  Menu(Form& form, std::string name, int index = -1);
  // An item of another menu, after the items it has.
  Menu(Menu& parent, std::string name, int index = -1);
  ~Menu() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  Menu* ParentMenu() const { return parent_; }
  // The items of this menu in their order.
  const std::vector<Menu*>& Items() const { return items_; }
  bool IsSeparator() const { return caption_ == "-"; }

  Event<> Click;

  // Takes over caption, check, enabled state and tag: a new array element.
  void CopyFrom(const Menu& model);

  // For the Qt layer.
  MenuInternal& Internal() const { return *internal_; }

 private:
  void Build();
  void Refresh();

  Menu* parent_ = nullptr;
  std::unique_ptr<MenuInternal> internal_;
  std::vector<Menu*> items_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
};

}  // namespace Platform
