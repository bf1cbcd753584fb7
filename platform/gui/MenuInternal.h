#pragma once

// The Qt side of menus; used only inside the Qt layer.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace Platform {

class Form;
class Menu;

struct MenuInternal {
  // The menu's entry on its parent menu or on the form's menu bar.
  QPointer<QAction> action;
  // The list of its items, made when it gets the first one or is popped up.
  QPointer<QMenu> popup;
};

namespace Gui {

Menu* MenuOf(QAction* action);
// The form's menu bar, made on first use; nullptr for a form without one (an MDI
// child).
QMenuBar* MenuBarOf(Form& form);

}  // namespace Gui
}  // namespace Platform
