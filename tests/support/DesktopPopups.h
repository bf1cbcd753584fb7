#pragma once

// Pop-up menus shown the way the program shows them on the desktop, off screen,
// with a person who picks from them with the keyboard.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "platform/gui/Responder.h"
#include "platform/gui/ScriptedResponder.h"

namespace TestSupport {

// Presses keys on the first pop-up menu that shows, each on the pop-up that is
// open at the time: a key that opens a sub-menu sends the next ones there.
class PopupKeys {
 public:
  explicit PopupKeys(std::vector<int> keys) : keys_(std::move(keys)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Press(); });
    timer_.start(10);
  }

 private:
  void Press() {
    if (QApplication::activePopupWidget() == nullptr) return;
    timer_.stop();
    for (int key : keys_) {
      QWidget* popup = QApplication::activePopupWidget();
      if (popup == nullptr) return;
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(popup, &press);
    }
  }

  std::vector<int> keys_;
  QTimer timer_;
};

// Answers as the scripted responder does, and records the same, but shows
// pop-up menus as the program does on the desktop.
class DesktopPopups : public Platform::ScriptedResponder {
 public:
  Platform::Menu* PopupMenu(Platform::Menu& menu, int screenX, int screenY) override {
    PoppedMenus.push_back(&menu);
    return desktop_.PopupMenu(menu, screenX, screenY);
  }
  std::shared_ptr<Platform::Tool> PopupToolMenu(Platform::ToolMenu& menu, int screenX,
                                                int screenY) override {
    ToolPopups.push_back(ToolPopup{&menu, screenX, screenY});
    return desktop_.PopupToolMenu(menu, screenX, screenY);
  }

 private:
  Platform::DesktopResponder desktop_;
};

}  // namespace TestSupport
