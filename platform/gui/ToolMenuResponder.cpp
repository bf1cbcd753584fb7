#include "platform/gui/ToolMenuResponder.h"

#include "platform/gui/ToolBarWindow.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <map>

#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"

namespace Platform {

namespace {

std::shared_ptr<ToolMenuResponder>& Installed() {
  static std::shared_ptr<ToolMenuResponder> responder;
  return responder;
}

}  // namespace

ToolMenuResponder::~ToolMenuResponder() = default;

ToolMenuResponder& CurrentToolMenuResponder() {
  static DesktopToolMenuResponder desktop;
  const auto& installed = Installed();
  return installed ? *installed : desktop;
}

std::shared_ptr<ToolMenuResponder> SetToolMenuResponder(
    std::shared_ptr<ToolMenuResponder> responder) {
  std::swap(Installed(), responder);
  return responder;
}

void PointerPosition(int& screenX, int& screenY) {
  screenX = screenY = 0;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  const QPoint point = QCursor::pos();
  screenX = point.x();
  screenY = point.y();
}

std::shared_ptr<Tool> DesktopToolMenuResponder::PopupToolMenu(ToolMenu& menu, int screenX,
                                                              int screenY) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  QMenu popup;
  std::map<QAction*, std::shared_ptr<Tool>> tools;
  FillToolMenu(popup, *menu.Tools(),
               [&](QAction& action, const std::shared_ptr<Tool>& tool) { tools[&action] = tool; });
  QAction* chosen = popup.exec(QPoint(screenX, screenY));
  const auto found = tools.find(chosen);
  return found == tools.end() ? nullptr : found->second;
}

std::shared_ptr<Tool> ScriptedToolMenuResponder::PopupToolMenu(ToolMenu& menu, int screenX,
                                                               int screenY) {
  Popups.push_back(Popup{&menu, screenX, screenY});
  return OnPopup ? OnPopup(menu) : nullptr;
}

}  // namespace Platform
