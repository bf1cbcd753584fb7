#include "platform/gui/Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <string_view>

#include "platform/gui/EventEntry.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QPointer<QCoreApplication> preparedFor;
// The application object the platform made, and so ends.
QPointer<QApplication> made;
bool running = false;

// Whatever made the application object, the forms need these once.
void Prepare() {
  if (preparedFor == QCoreApplication::instance()) return;
  preparedFor = QCoreApplication::instance();
  if (qApp != nullptr) qApp->setQuitOnLastWindowClosed(false);
  Gui::InstallKeyRouter();
}

struct KeyStroke {
  int key;
  QString text;
  Qt::KeyboardModifiers modifiers;
};

bool NamedKey(std::string_view name, KeyStroke& stroke) {
  struct Named {
    std::string_view name;
    int key;
    const char* text;
  };
  static const Named kNames[] = {
      {"TAB", Qt::Key_Tab, "\t"},      {"ENTER", Qt::Key_Return, "\r"},
      {"ESC", Qt::Key_Escape, "\x1b"}, {"BACKSPACE", Qt::Key_Backspace, "\b"},
      {"BS", Qt::Key_Backspace, "\b"}, {"DELETE", Qt::Key_Delete, ""},
      {"LEFT", Qt::Key_Left, ""},      {"RIGHT", Qt::Key_Right, ""},
      {"UP", Qt::Key_Up, ""},          {"DOWN", Qt::Key_Down, ""},
      {"HOME", Qt::Key_Home, ""},      {"END", Qt::Key_End, ""},
  };
  for (const auto& named : kNames) {
    if (named.name == name) {
      stroke.key = named.key;
      stroke.text = QString::fromLatin1(named.text);
      return true;
    }
  }
  if (name.size() >= 2 && name[0] == 'F') {
    const int n = std::atoi(std::string(name.substr(1)).c_str());
    if (n >= 1 && n <= 12) {
      stroke.key = Qt::Key_F1 + n - 1;
      return true;
    }
  }
  return false;
}

std::vector<KeyStroke> ParseKeys(const std::string& keys) {
  std::vector<KeyStroke> strokes;
  Qt::KeyboardModifiers held;
  for (size_t i = 0; i < keys.size(); ++i) {
    const char c = keys[i];
    if (c == '+' || c == '^' || c == '%') {
      held |= c == '+' ? Qt::ShiftModifier : c == '^' ? Qt::ControlModifier : Qt::AltModifier;
      continue;
    }
    KeyStroke stroke{Qt::Key_unknown, {}, held};
    if (c == '{') {
      const size_t end = keys.find('}', i + 1);
      if (end == std::string::npos) break;
      std::string name = keys.substr(i + 1, end - i - 1);
      for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      i = end;
      if (!NamedKey(name, stroke)) {
        if (name.size() != 1) continue;
        stroke.text = ToQString(name);
        stroke.key = stroke.text.at(0).toUpper().unicode();
      }
    } else {
      stroke.text = ToQString(std::string(1, c));
      stroke.key = stroke.text.at(0).toUpper().unicode();
    }
    if (held & Qt::ControlModifier && stroke.key >= Qt::Key_A && stroke.key <= Qt::Key_Z)
      stroke.text = QString(QChar(stroke.key - Qt::Key_A + 1));
    strokes.push_back(stroke);
    held = {};
  }
  return strokes;
}

}  // namespace

void InitialiseApplication(int& argc, char** argv) {
  if (QCoreApplication::instance() == nullptr) made = new QApplication(argc, argv);
  Prepare();
}

void EnsureApplication() {
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "TavroKordex";
    static char* argv[] = {name, nullptr};
    made = new QApplication(argc, argv);
  }
  Prepare();
}

int RunApplication() {
  EnsureApplication();
  if (Forms::Count() == 0) return 0;
  running = true;
  const int code = QApplication::exec();
  running = false;
  return code;
}

int RunProgram(int& argc, char** argv, const std::function<std::shared_ptr<Form>()>& makeMain) {
  InitialiseApplication(argc, argv);
  int code = 0;
  {
    const std::shared_ptr<Form> main = makeMain();
    EnterEventHandler([&main] { main->Load(); });
    code = RunApplication();
  }
  ShutdownApplication();
  return code;
}

void ShutdownApplication() {
  if (QCoreApplication::instance() == nullptr) return;
  // The list is read anew at each step: unloading one form may end others.
  for (int i = 0; i < Forms::Count();) {
    Form& form = Forms::Item(i);
    EnterEventHandler([&form] { form.UnloadFor(UnloadModes::AppWindows); });
    if (i < Forms::Count() && &Forms::Item(i) == &form) ++i;  // it refused
  }
  // Unloaded forms are held until the event loop is back; their windows must
  // go before the application object.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // A form that refused to unload still has windows, which need it.
  if (made.isNull() || Forms::Count() != 0) return;
  delete made.data();
}

int DoEvents() {
  EnsureApplication();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return Forms::Count();
}

void RefreshScreen() {
  EnsureApplication();
  // A round trip to the window server: what it sends back for a window just
  // hidden (the exposures of the windows under it) is then handled too.
  QGuiApplication::sync();
}

void SendKeys(const std::string& keys) {
  EnsureApplication();
  for (const KeyStroke& stroke : ParseKeys(keys)) {
    QTimer::singleShot(0, qApp, [stroke] {
      QWidget* target = QApplication::focusWidget();
      if (target == nullptr) target = QApplication::activeWindow();
      if (target == nullptr) return;
      QPointer<QWidget> guard = target;
      QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
      QApplication::sendEvent(target, &press);
      if (!guard) return;
      QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
      QApplication::sendEvent(guard, &release);
    });
  }
}

void InitialiseCommonControls() {}

namespace Gui {

void QuitIfNoForms() {
  if (running && Forms::Count() == 0) QCoreApplication::quit();
}

}  // namespace Gui

}  // namespace Platform
