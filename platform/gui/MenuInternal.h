#pragma once

// The Qt side of menus; used only inside the Qt layer.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <map>

namespace Platform {

class Form;
class Menu;

struct MenuInternal {
  // The menu's entry on its parent menu or on the form's menu bar.
  QPointer<QAction> action;
  // The list of its items: a top-level menu's from the start, an item's once it
  // gets its first one.
  QPointer<QMenu> popup;
};

namespace Gui {

// Puts the menu's caption, check, enabled state and visibility on a Qt action.
void ApplyMenu(QAction& action, const Menu& menu);
// Fills a pop-up with actions of its own for the items of a menu, sub-menus
// included, and tells which item each action stands for. Picking one of them
// raises nothing: the items' own actions raise Click for a pick from the menu
// bar, and whoever pops the menu up raises it for a pick from the pop-up.
void FillPopup(QMenu& popup, const Menu& menu, std::map<QAction*, Menu*>& made);
// The form's menu bar, made on first use; nullptr for a form without one (an MDI
// child).
QMenuBar* MenuBarOf(Form& form);

}  // namespace Gui
}  // namespace Platform
