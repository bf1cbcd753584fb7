#include "platform/gui/GuiInternal.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QVariant>

#include "platform/gui/Form.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/VisualControl.h"

namespace Platform::Gui {

namespace {

const char* const kControlProperty = "tavroControl";
const char* const kFormProperty = "tavroForm";

}  // namespace

QIcon ToQIcon(const Picture& picture) {
  if (picture.IsEmpty()) return {};
  return QIcon(QPixmap::fromImage(ImageOf(picture)));
}

QCursor ToQCursor(int pointer) {
  switch (pointer) {
    case MousePointers::Cross: return Qt::CrossCursor;
    case MousePointers::IBeam: return Qt::IBeamCursor;
    case MousePointers::Size:
    case MousePointers::SizeAll: return Qt::SizeAllCursor;
    case MousePointers::SizeNESW: return Qt::SizeBDiagCursor;
    case MousePointers::SizeNS: return Qt::SizeVerCursor;
    case MousePointers::SizeNWSE: return Qt::SizeFDiagCursor;
    case MousePointers::SizeWE: return Qt::SizeHorCursor;
    case MousePointers::UpArrow: return Qt::UpArrowCursor;
    case MousePointers::Hourglass: return Qt::WaitCursor;
    case MousePointers::NoDrop: return Qt::ForbiddenCursor;
    case MousePointers::ArrowHourglass: return Qt::BusyCursor;
    case MousePointers::ArrowQuestion: return Qt::WhatsThisCursor;
    case MousePointers::Hand: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

Qt::PenStyle PenStyleOf(int borderStyle) {
  switch (borderStyle) {
    case 0: return Qt::NoPen;
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

int16_t KeyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<int16_t>(key);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    return static_cast<int16_t>(keypad ? KeyCodes::Numpad0 + (key - Qt::Key_0) : key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F16)
    return static_cast<int16_t>(KeyCodes::F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return KeyCodes::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyCodes::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCodes::Return;
    case Qt::Key_Shift: return KeyCodes::Shift;
    case Qt::Key_Control: return KeyCodes::Control;
    case Qt::Key_Alt: return KeyCodes::Menu;
    case Qt::Key_Pause: return KeyCodes::Pause;
    case Qt::Key_Escape: return KeyCodes::Escape;
    case Qt::Key_Space: return KeyCodes::Space;
    case Qt::Key_PageUp: return KeyCodes::PageUp;
    case Qt::Key_PageDown: return KeyCodes::PageDown;
    case Qt::Key_End: return KeyCodes::End;
    case Qt::Key_Home: return KeyCodes::Home;
    case Qt::Key_Left: return KeyCodes::Left;
    case Qt::Key_Up: return KeyCodes::Up;
    case Qt::Key_Right: return KeyCodes::Right;
    case Qt::Key_Down: return KeyCodes::Down;
    case Qt::Key_Insert: return KeyCodes::Insert;
    case Qt::Key_Delete: return KeyCodes::Delete;
    case Qt::Key_Asterisk: return KeyCodes::Multiply;
    // The shifted symbols of a US keyboard report the key they lie on.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return (event.modifiers() & Qt::KeypadModifier) ? KeyCodes::Add : 187;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return (event.modifiers() & Qt::KeypadModifier) ? KeyCodes::Subtract : 189;
    case Qt::Key_Period:
    case Qt::Key_Greater: return (event.modifiers() & Qt::KeypadModifier) ? KeyCodes::Decimal : 190;
    case Qt::Key_Slash:
    case Qt::Key_Question: return (event.modifiers() & Qt::KeypadModifier) ? KeyCodes::Divide : 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
  }
}

int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
  int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ShiftMasks::Shift;
  if (modifiers & Qt::ControlModifier) shift |= ShiftMasks::Ctrl;
  if (modifiers & Qt::AltModifier) shift |= ShiftMasks::Alt;
  return shift;
}

int CharacterOf(const QKeyEvent& event) {
  const int key = event.key();
  const auto modifiers = event.modifiers();
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  const bool alt = (modifiers & Qt::AltModifier) != 0;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  if (ctrl && !alt) return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
  if (alt && !ctrl) return -1;
  const QString text = event.text();
  if (text.isEmpty()) return -1;
  const QChar first = text.at(0);
  if (first.unicode() < 32 || first.unicode() == 127) return -1;
  const std::string byte = FromQString(QString(first));
  return byte.empty() ? -1 : static_cast<unsigned char>(byte[0]);
}

int16_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButtons::Left;
    case Qt::RightButton: return MouseButtons::Right;
    case Qt::MiddleButton: return MouseButtons::Middle;
    default: return 0;
  }
}

int16_t ButtonsOf(Qt::MouseButtons buttons) {
  int16_t result = 0;
  if (buttons & Qt::LeftButton) result |= MouseButtons::Left;
  if (buttons & Qt::RightButton) result |= MouseButtons::Right;
  if (buttons & Qt::MiddleButton) result |= MouseButtons::Middle;
  return result;
}

VisualControl* ControlOf(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant value = w->property(kControlProperty);
    if (value.isValid()) return reinterpret_cast<VisualControl*>(value.value<quintptr>());
    if (w->property(kFormProperty).isValid()) return nullptr;
  }
  return nullptr;
}

Form* FormOf(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant value = w->property(kFormProperty);
    if (value.isValid()) return reinterpret_cast<Form*>(value.value<quintptr>());
  }
  return nullptr;
}

void MarkControl(QWidget* widget, VisualControl* control) {
  widget->setProperty(
      kControlProperty,
      control ? QVariant::fromValue(reinterpret_cast<quintptr>(control)) : QVariant());
}

void MarkForm(QWidget* widget, Form* form) {
  widget->setProperty(kFormProperty,
                      form ? QVariant::fromValue(reinterpret_cast<quintptr>(form)) : QVariant());
}

}  // namespace Platform::Gui
