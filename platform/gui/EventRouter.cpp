// Keys, focus and the mouse of the window system, routed to the events of the
// forms and controls.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "platform/gui/EventEntry.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/Surface.h"
#include "platform/gui/UserControl.h"
#include "platform/gui/VisualControl.h"

namespace Platform::Gui {

namespace {

// Set while a key a handler changed is sent on, so that it is not routed again.
bool resending = false;

// The user controls around a control, outermost first: they see its keys before
// it does, as a form with KeyPreview does.
std::vector<UserControl*> Enclosing(VisualControl* control) {
  std::vector<UserControl*> outer;
  for (Container* c = control ? &control->GetContainer() : nullptr; c != nullptr;) {
    auto* user = dynamic_cast<UserControl*>(c);
    if (user == nullptr) break;
    outer.insert(outer.begin(), user);
    c = &user->GetContainer();
  }
  return outer;
}

void Resend(QWidget* widget, int character, Qt::KeyboardModifiers modifiers) {
  int key = Qt::Key_unknown;
  QString text;
  switch (character) {
    case 8:
      key = Qt::Key_Backspace;
      text = QStringLiteral("\b");
      break;
    case 9:
      key = Qt::Key_Tab;
      text = QStringLiteral("\t");
      break;
    case 13:
      key = Qt::Key_Return;
      text = QStringLiteral("\r");
      break;
    case 27:
      key = Qt::Key_Escape;
      text = QString(QChar(27));
      break;
    default:
      if (character >= 1 && character <= 26) {
        key = Qt::Key_A + character - 1;
        modifiers |= Qt::ControlModifier;
        text = QString(QChar(character));
      } else {
        text = ToQString(std::string(1, static_cast<char>(character)));
        const QChar upper = text.at(0).toUpper();
        key = upper.unicode();
        modifiers &= ~Qt::ControlModifier;
      }
  }
  QKeyEvent replacement(QEvent::KeyPress, key, modifiers, text);
  resending = true;
  QApplication::sendEvent(widget, &replacement);
  resending = false;
}

bool RouteKeyPress(QWidget* widget, Form& form, VisualControl* control, QKeyEvent& event) {
  const bool preview = form.KeyPreview() || control == nullptr;
  const auto outer = Enclosing(control);
  std::weak_ptr<char> alive = control ? control->Internal().alive : std::shared_ptr<char>();
  auto live = [&] { return control == nullptr || !alive.expired(); };

  int16_t code = KeyCodeOf(event);
  int16_t shift = ShiftOf(event.modifiers());
  bool downCancelled = false;
  if (code != 0) {
    EnterEventHandler([&] {
      if (preview) {
        form.Form_KeyDown(code, shift);
        if (code != 0) form.KeyDownEvent.Raise(code, shift);
      }
      for (UserControl* user : outer)
        if (code != 0) user->KeyDown.Raise(code, shift);
      if (code != 0 && control != nullptr && live()) control->KeyDown.Raise(code, shift);
    });
    downCancelled = code == 0;
  }
  const int character = CharacterOf(event);
  if (character < 0) return downCancelled;
  int16_t ascii = static_cast<int16_t>(character);
  EnterEventHandler([&] {
    if (preview) {
      form.Form_KeyPress(ascii);
      if (ascii != 0) form.KeyPressEvent.Raise(ascii);
    }
    for (UserControl* user : outer)
      if (ascii != 0) user->KeyPress.Raise(ascii);
    if (ascii != 0 && control != nullptr && live()) control->KeyPress.Raise(ascii);
  });
  if (ascii == 0) return true;
  if (ascii != character) {
    Resend(widget, ascii, event.modifiers());
    return true;
  }
  return false;
}

void RouteKeyRelease(Form& form, VisualControl* control, QKeyEvent& event) {
  int16_t code = KeyCodeOf(event);
  if (code == 0) return;
  int16_t shift = ShiftOf(event.modifiers());
  const bool preview = form.KeyPreview() || control == nullptr;
  std::weak_ptr<char> alive = control ? control->Internal().alive : std::shared_ptr<char>();
  EnterEventHandler([&] {
    if (preview) {
      form.Form_KeyUp(code, shift);
      if (code != 0) form.KeyUpEvent.Raise(code, shift);
    }
    for (UserControl* user : Enclosing(control))
      if (code != 0) user->KeyUp.Raise(code, shift);
    if (code != 0 && control != nullptr && !alive.expired()) control->KeyUp.Raise(code, shift);
  });
}

void RouteFocusIn(VisualControl& control) {
  FormInternal& window = control.Parent().Window();
  if (window.validateBlock != nullptr) {
    if (window.validateBlock == &control) window.validateBlock = nullptr;
    return;
  }
  if (window.focus == &control) return;
  window.focus = &control;
  EnterEventHandler([&] { control.GotFocus.Raise(); });
}

void RouteFocusOut(VisualControl& control, const QFocusEvent& event) {
  Form& form = control.Parent();
  FormInternal& window = form.Window();
  if (window.focus != &control) return;
  // The window lost the activation: the control keeps its place.
  if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason)
    return;
  QWidget* nextWidget = QApplication::focusWidget();
  VisualControl* next = nextWidget ? ControlOf(nextWidget) : nullptr;
  if (next == &control) return;
  std::weak_ptr<char> alive = control.Internal().alive;
  if (next != nullptr && next->CausesValidation() && &next->Parent() == &form) {
    bool cancel = false;
    EnterEventHandler([&] { control.Validate.Raise(cancel); });
    if (alive.expired()) return;
    if (cancel) {
      window.validateBlock = &control;
      QPointer<QWidget> back = control.Internal().widget;
      QTimer::singleShot(0, back, [back] {
        if (back) back->setFocus(Qt::OtherFocusReason);
      });
      return;
    }
  }
  window.focus = nullptr;
  EnterEventHandler([&] { control.LostFocus.Raise(); });
}

class KeyRouter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::FocusIn &&
        type != QEvent::FocusOut)
      return false;
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return false;
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
      VisualControl* control = ControlOf(widget);
      if (control == nullptr) return false;
      if (type == QEvent::FocusIn)
        RouteFocusIn(*control);
      else
        RouteFocusOut(*control, *static_cast<QFocusEvent*>(event));
      return false;
    }
    if (resending) return false;
    // A key a widget ignores travels on to its parents: route it only once, at
    // the widget it was meant for.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? widget != focus : !widget->isWindow()) return false;
    VisualControl* control = ControlOf(widget);
    Form* form = control ? &control->Parent() : FormOf(widget);
    if (form == nullptr || !form->IsLoaded()) return false;
    auto& keyEvent = *static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
      RouteKeyRelease(*form, control, keyEvent);
      return false;
    }
    return RouteKeyPress(widget, *form, control, keyEvent);
  }
};

class MouseRouter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
      return false;
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return false;
    auto& mouse = *static_cast<QMouseEvent*>(event);
    if (VisualControl* control = ControlOf(widget)) return RouteToControl(*control, widget, mouse);
    if (Form* form = FormOf(widget); form != nullptr && form->Window().client == widget)
      RouteToForm(*form, mouse);
    return false;
  }

 private:
  static bool RouteToControl(VisualControl& control, QWidget* widget, QMouseEvent& mouse) {
    VisualControlInternal& internal = control.Internal();
    QWidget* target = internal.widget;
    if (target == nullptr) return false;
    const QPointF local = widget == target
                              ? mouse.position()
                              : QPointF(widget->mapTo(target, mouse.position().toPoint()));
    const bool passive = internal.passiveMouse;
    std::weak_ptr<char> alive = internal.alive;
    int16_t shift = ShiftOf(mouse.modifiers());
    double x = control.PixelsToEventX(local.x());
    double y = control.PixelsToEventY(local.y());
    switch (mouse.type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        int16_t button = ButtonOf(mouse.button());
        const bool twice = mouse.type() == QEvent::MouseButtonDblClick;
        // The second press of a double click makes a DblClick, not a Click.
        internal.pressed = mouse.button() == Qt::LeftButton && !twice;
        EnterEventHandler([&] {
          control.MouseDown.Raise(button, shift, x, y);
          if (twice && !alive.expired()) control.DblClick.Raise();
        });
        return passive;
      }
      case QEvent::MouseButtonRelease: {
        int16_t button = ButtonOf(mouse.button());
        const bool click = passive && internal.pressed && mouse.button() == Qt::LeftButton &&
                           target->rect().contains(local.toPoint());
        internal.pressed = false;
        EnterEventHandler([&] {
          control.MouseUp.Raise(button, shift, x, y);
          if (click && !alive.expired()) control.Click.Raise();
        });
        return passive;
      }
      default: {
        int16_t buttons = ButtonsOf(mouse.buttons());
        EnterEventHandler([&] { control.MouseMove.Raise(buttons, shift, x, y); });
        return passive;
      }
    }
  }

  static void RouteToForm(Form& form, QMouseEvent& mouse) {
    int16_t shift = ShiftOf(mouse.modifiers());
    double x = PixelsToTwips(mouse.position().x());
    double y = PixelsToTwips(mouse.position().y());
    EnterEventHandler([&] {
      if (mouse.type() == QEvent::MouseMove) {
        int16_t buttons = ButtonsOf(mouse.buttons());
        form.Form_MouseMove(buttons, shift, x, y);
        return;
      }
      int16_t button = ButtonOf(mouse.button());
      if (mouse.type() == QEvent::MouseButtonRelease)
        form.Form_MouseUp(button, shift, x, y);
      else
        form.Form_MouseDown(button, shift, x, y);
    });
  }
};

// Owned by the application object: a new one gets routers of its own.
QPointer<KeyRouter> keyRouter;
QPointer<MouseRouter> mouseRouter;

}  // namespace

void InstallKeyRouter() {
  if (keyRouter) return;
  keyRouter = new KeyRouter(qApp);
  mouseRouter = new MouseRouter(qApp);
  qApp->installEventFilter(keyRouter);
}

void RouteMouse(QWidget* widget) {
  InstallKeyRouter();
  widget->installEventFilter(mouseRouter);
  widget->setMouseTracking(true);
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    child->installEventFilter(mouseRouter);
    child->setMouseTracking(true);
  }
}

}  // namespace Platform::Gui
