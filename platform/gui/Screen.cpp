#include "platform/gui/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include "platform/gui/Application.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

int pointer = MousePointers::Default;

}  // namespace

double Screen::Width() {
  EnsureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? Gui::PixelsToTwips(screen->geometry().width()) : 0.0;
}

double Screen::Height() {
  EnsureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? Gui::PixelsToTwips(screen->geometry().height()) : 0.0;
}

int Screen::TwipsPerPixelX() {
  return TwipsPerPixel;
}

int Screen::TwipsPerPixelY() {
  return TwipsPerPixel;
}

int Screen::MousePointer() {
  return pointer;
}

void Screen::SetMousePointer(int newPointer) {
  EnsureApplication();
  if (pointer != MousePointers::Default) QApplication::restoreOverrideCursor();
  pointer = newPointer;
  if (pointer != MousePointers::Default) QApplication::setOverrideCursor(Gui::ToQCursor(pointer));
}

bool Screen::CursorPosition(int& x, int& y) {
  EnsureApplication();
  const QPoint position = QCursor::pos();
  x = position.x();
  y = position.y();
  return true;
}

Form* Screen::ActiveForm() {
  EnsureApplication();
  QWidget* window = QApplication::activeWindow();
  return window ? Gui::FormOf(window) : nullptr;
}

void PointerPosition(int& screenX, int& screenY) {
  screenX = screenY = 0;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  const QPoint point = QCursor::pos();
  screenX = point.x();
  screenY = point.y();
}

}  // namespace Platform
