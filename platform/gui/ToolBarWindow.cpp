#include "platform/gui/ToolBarWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"

namespace Platform {

namespace {

// A toolbar button shows what the tool's style asks for.
void ApplyStyle(QToolBar& bar, QAction& action, const Tool& tool) {
  auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(&action));
  if (!button) return;
  if (tool.Type() == ToolTypes::Menu) button->setPopupMode(QToolButton::InstantPopup);
  switch (tool.Style()) {
    case 1: button->setToolButtonStyle(Qt::ToolButtonTextOnly); break;
    case 2: button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon); break;
    default:
      button->setToolButtonStyle(tool.Picture().IsEmpty() ? Qt::ToolButtonTextOnly
                                                          : Qt::ToolButtonIconOnly);
  }
}

}  // namespace

void ApplyTool(QAction& action, const Tool& tool) {
  action.setVisible(tool.Visible());
  if (tool.Type() == ToolTypes::Separator) {
    action.setSeparator(true);
    return;
  }
  action.setSeparator(false);
  action.setText(ToQString(tool.Caption()));
  action.setIcon(tool.Picture().IsEmpty() ? QIcon()
                                          : QIcon(QPixmap::fromImage(ImageOf(tool.Picture()))));
  action.setEnabled(tool.Enabled());
  const bool stateButton = tool.Type() == ToolTypes::StateButton;
  action.setCheckable(stateButton);
  action.setChecked(stateButton && tool.State() == 1);
  action.setToolTip(ToQString(tool.Description().empty() ? tool.Name() : tool.Description()));
  action.setStatusTip(ToQString(tool.Description()));
}

void FillToolMenu(QMenu& menu, const ToolList& tools,
                  const std::function<void(QAction&, const std::shared_ptr<Tool>&)>& made) {
  for (const auto& tool : tools) {
    QAction* action = nullptr;
    if (tool->Type() == ToolTypes::Separator) {
      action = menu.addSeparator();
    } else if (tool->Type() == ToolTypes::Menu) {
      QMenu* sub = menu.addMenu(QString());
      FillToolMenu(*sub, *tool->Menu()->Tools(), made);
      action = sub->menuAction();
    } else {
      action = menu.addAction(QString());
    }
    ApplyTool(*action, *tool);
    made(*action, tool);
  }
}

ToolBarWindow::ToolBarWindow(ToolBarControl& control, QWidget& host,
                             std::function<QMenuBar*()> menuBar, QBoxLayout* bandRow)
    : QObject(&host), control_(&control), host_(&host), menuBar_(std::move(menuBar)) {
  if (bandRow) {
    row_ = new QWidget(&host);
    // The row is as high as its tools: a taller window gives its extra height
    // to the inner area below.
    row_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    bandRow->insertWidget(0, row_);
    row_->hide();
  }
  control.SetView(this);
  Rebuild();
}

// It ends with its host, whose widgets are half gone by then: it only lets go
// of the control.
ToolBarWindow::~ToolBarWindow() {
  if (control_ && control_->View() == this) control_->SetView(nullptr);
}

QMenuBar* ToolBarWindow::MenuBar() const {
  return menuBarActions_.empty() ? nullptr : bar_;
}

std::vector<QToolBar*> ToolBarWindow::ToolBars() const {
  std::vector<QToolBar*> bars;
  for (const auto& bar : toolBars_) {
    if (bar) bars.push_back(bar);
  }
  return bars;
}

std::vector<QAction*> ToolBarWindow::ActionsOf(const Tool& tool) const {
  std::vector<QAction*> actions;
  const auto found = actions_.find(&tool);
  if (found == actions_.end()) return actions;
  for (const auto& action : found->second) {
    if (action) actions.push_back(action);
  }
  return actions;
}

void ToolBarWindow::Clear() {
  if (QMenuBar* bar = MenuBar()) {
    for (const auto& action : menuBarActions_) {
      if (action) bar->removeAction(action);
    }
  }
  // A click handler may be running in one of these: they go once it is over.
  for (const auto& bar : toolBars_) {
    if (!bar) continue;
    bar->hide();
    if (row_) row_->layout()->removeWidget(bar);
    bar->deleteLater();
  }
  for (const auto& menu : menus_) {
    if (menu) menu->deleteLater();
  }
  for (const auto& [tool, actions] : actions_) {
    for (const auto& action : actions) {
      if (action && action->parent() == this) action->deleteLater();
    }
  }
  toolBars_.clear();
  menus_.clear();
  menuBarActions_.clear();
  actions_.clear();
  if (row_) row_->hide();
}

void ToolBarWindow::Rebuild() {
  Clear();
  if (!control_) return;
  for (const auto& band : *control_->Bands()) {
    if (band->IsMenuBar()) {
      QMenuBar* bar = menuBar_ ? menuBar_() : nullptr;
      if (!bar) continue;
      bar_ = bar;
      for (const auto& tool : *band->Tools()) {
        QAction* action = Place(tool);
        bar->addAction(action);
        menuBarActions_.emplace_back(action);
      }
      bar->setVisible(band->Visible());
      continue;
    }
    if (!row_) continue;
    auto* bar = new QToolBar(ToQString(band->Name()), row_);
    bar->setObjectName(ToQString(band->Name()));
    auto* row = static_cast<QHBoxLayout*>(row_->layout());
    row->insertWidget(row->count() - 1, bar);
    for (const auto& tool : *band->Tools()) {
      QAction* action = Place(tool);
      bar->addAction(action);
      ApplyStyle(*bar, *action, *tool);
    }
    bar->setVisible(band->Visible());
    if (band->Visible()) row_->show();
    toolBars_.emplace_back(bar);
  }
}

QAction* ToolBarWindow::Place(const std::shared_ptr<Tool>& tool) {
  const auto made = [this](QAction& action, const std::shared_ptr<Tool>& shown) {
    actions_[shown.get()].emplace_back(&action);
    const std::weak_ptr<Tool> weak = shown;
    connect(&action, &QAction::triggered, this, [this, weak] { Clicked(weak); });
  };
  QAction* action = nullptr;
  if (tool->Type() == ToolTypes::Menu) {
    auto* menu = new QMenu(host_);
    menus_.emplace_back(menu);
    FillToolMenu(*menu, *tool->Menu()->Tools(), made);
    action = menu->menuAction();
  } else {
    action = new QAction(this);
  }
  ApplyTool(*action, *tool);
  made(*action, tool);
  return action;
}

void ToolBarWindow::Clicked(const std::weak_ptr<Tool>& weak) {
  const std::shared_ptr<Tool> tool = weak.lock();
  if (!tool || !control_) return;
  EnterEventHandler([&] { control_->ToolClicked(tool); });
  // Qt has checked or unchecked the action itself; the tool's state decides.
  ToolChanged(*tool);
}

void ToolBarWindow::ToolChanged(const Tool& tool) {
  for (QAction* action : ActionsOf(tool)) {
    ApplyTool(*action, tool);
    for (QToolBar* bar : ToolBars()) ApplyStyle(*bar, *action, tool);
  }
}

void ToolBarWindow::LayoutChanged() {
  Rebuild();
}

void ToolBarWindow::ControlGone() {
  control_ = nullptr;
  Clear();
}

bool ToolBarWindow::ToolPosition(const Tool& tool, int& left, int& top, int& height) const {
  if (!host_) return false;
  QWidget* window = host_->window();
  for (QAction* action : ActionsOf(tool)) {
    QRect rect;
    QWidget* shownOn = nullptr;
    if (QMenuBar* bar = MenuBar(); bar && bar->actions().contains(action)) {
      rect = bar->actionGeometry(action);
      shownOn = bar;
    } else {
      for (QToolBar* bar : ToolBars()) {
        if (QWidget* button = bar->widgetForAction(action)) {
          rect = button->geometry();
          shownOn = bar;
          break;
        }
      }
    }
    if (!shownOn || !action->isVisible() || rect.isEmpty()) continue;
    const QPoint corner = shownOn->mapTo(window, rect.topLeft());
    left = corner.x();
    top = corner.y();
    height = rect.height();
    return true;
  }
  return false;
}

void ToolBarWindow::ScreenPoint(std::optional<double> x, std::optional<double> y, int& screenX,
                                int& screenY) const {
  QPoint point;
  if (x && y) {
    point =
        QPoint(static_cast<int>(std::lround(*x / 15.0)), static_cast<int>(std::lround(*y / 15.0)));
    if (host_) point = host_->window()->mapToGlobal(point);
  } else {
    point = QCursor::pos();
  }
  screenX = point.x();
  screenY = point.y();
}

}  // namespace Platform
