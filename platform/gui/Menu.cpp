#include "platform/gui/Menu.h"

#include <algorithm>

#include "platform/gui/EventEntry.h"
#include "platform/gui/Form.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/MenuInternal.h"

namespace Platform {

Menu::Menu(Form& form, std::string name, int index)
    : Control(form, form, std::move(name), index), internal_(std::make_unique<MenuInternal>()) {
  Build();
  if (QMenuBar* bar = Gui::MenuBarOf(form)) bar->addAction(internal_->action);
}

Menu::Menu(Menu& parent, std::string name, int index)
    : Control(parent.Scope(), parent.Parent(), std::move(name), index),
      parent_(&parent),
      internal_(std::make_unique<MenuInternal>()) {
  Build();
  MenuInternal& up = parent.Internal();
  if (!up.popup) {
    up.popup = new QMenu();
    up.action->setMenu(up.popup);
  }
  up.popup->addAction(internal_->action);
  parent.items_.push_back(this);
}

Menu::~Menu() {
  if (parent_ != nullptr) std::erase(parent_->items_, this);
  for (Menu* item : items_) item->parent_ = nullptr;
  delete internal_->popup.data();
  delete internal_->action.data();
}

void Menu::Build() {
  auto* action = new QAction();
  QObject::connect(action, &QAction::triggered, action,
                   [this] { EnterEventHandler([this] { Click.Raise(); }); });
  internal_->action = action;
  if (parent_ == nullptr) {
    internal_->popup = new QMenu();
    action->setMenu(internal_->popup);
  }
}

void Menu::Refresh() {
  Gui::ApplyMenu(*internal_->action, *this);
  if (internal_->popup) internal_->popup->setTitle(ToQString(caption_));
}

void Menu::SetCaption(const std::string& caption) {
  caption_ = caption;
  Refresh();
}

void Menu::SetChecked(bool on) {
  checked_ = on;
  Refresh();
}

void Menu::SetEnabled(bool on) {
  enabled_ = on;
  Refresh();
}

void Menu::SetVisible(bool on) {
  visible_ = on;
  Refresh();
}

void Menu::CopyFrom(const Menu& model) {
  caption_ = model.caption_;
  checked_ = model.checked_;
  enabled_ = model.enabled_;
  visible_ = model.visible_;
  SetTag(model.Tag());
  Refresh();
}

namespace Gui {

void ApplyMenu(QAction& action, const Menu& menu) {
  action.setSeparator(menu.IsSeparator());
  action.setText(ToQString(menu.Caption()));
  action.setCheckable(menu.Checked());
  action.setChecked(menu.Checked());
  action.setEnabled(menu.Enabled());
  action.setVisible(menu.Visible());
}

void FillPopup(QMenu& popup, const Menu& menu, std::map<QAction*, Menu*>& made) {
  for (Menu* item : menu.Items()) {
    QAction* action = nullptr;
    if (item->Items().empty()) {
      action = popup.addAction(QString());
    } else {
      QMenu* sub = popup.addMenu(QString());
      FillPopup(*sub, *item, made);
      action = sub->menuAction();
    }
    ApplyMenu(*action, *item);
    made[action] = item;
  }
}

}  // namespace Gui

}  // namespace Platform
