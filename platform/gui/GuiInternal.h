#pragma once

// The Qt side of the forms and controls; used only inside the Qt layer.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/Colour.h"
#include "platform/gui/Picture.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/Surface.h"

class QKeyEvent;

namespace Platform {

class Container;
class Form;
class VisualControl;

struct ContainerInternal {
  // The widget the controls inside are children of.
  QPointer<QWidget> client;
  // The controls placed directly in the container, in the order they were made.
  std::vector<VisualControl*> children;
};

struct VisualControlInternal {
  QPointer<QWidget> widget;
  // Lets code that raised an event tell whether the control survived it.
  std::shared_ptr<char> alive = std::make_shared<char>();
  // The mouse means nothing more to the widget than our events: it gets no
  // press of its own, and a click is a press and release over it.
  bool passiveMouse = false;
  bool pressed = false;
  // Set once the program gave the control its own look; until then the
  // widget keeps the desktop's.
  bool backSet = false;
  bool foreSet = false;
  bool fontSet = false;
  // A control its form owns may outlive the frame or picture box it sits in.
  bool containerEnded = false;
};

namespace Gui {

QIcon ToQIcon(const Picture& picture);
QCursor ToQCursor(int pointer);
// The pen of a line's or shape's BorderStyle (0 none, 1 solid, 2 dash...).
Qt::PenStyle PenStyleOf(int borderStyle);

// Twips and pixels of the screen.
inline double TwipsToPixels(double twips) {
  return twips / 15.0;
}
inline double PixelsToTwips(double pixels) {
  return pixels * 15.0;
}
inline int Round(double value) {
  return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5);
}

// Keys: the key code of KeyDown, the shift mask, and the character of KeyPress
// (-1 for a key that types none).
int16_t KeyCodeOf(const QKeyEvent& event);
int16_t ShiftOf(Qt::KeyboardModifiers modifiers);
int CharacterOf(const QKeyEvent& event);
int16_t ButtonOf(Qt::MouseButton button);
int16_t ButtonsOf(Qt::MouseButtons buttons);

// The control a widget belongs to (walking up to the control's own widget),
// and the form whose inner area or window a widget is; nullptr when none.
VisualControl* ControlOf(QWidget* widget);
Form* FormOf(QWidget* widget);
void MarkControl(QWidget* widget, VisualControl* control);
void MarkForm(QWidget* widget, Form* form);

// Routes keys and focus of every window to the forms, and the mouse of the
// widgets it is installed on to their controls.
void InstallKeyRouter();
void RouteMouse(QWidget* widget);

}  // namespace Gui
}  // namespace Platform
