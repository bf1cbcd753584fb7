// The clipboard on a real X server, beside a clipboard manager that runs as a
// process of its own: what the program copies is what a paste gets. The
// off-screen clipboard lives inside the test process and cannot show how the
// X server settles two programs' claims on the clipboard.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/gui/Clipboard.h"
#include "platform/gui/QtBridge.h"

extern char** environ;

using namespace Platform;

namespace {

// Waits up to timeoutMs for a byte on fd; the byte, or 0 when none came.
char ReadByte(int fd, int timeoutMs) {
  pollfd wanted{fd, POLLIN, 0};
  char byte = 0;
  if (poll(&wanted, 1, timeoutMs) == 1 && read(fd, &byte, 1) == 1) return byte;
  return 0;
}

// An X server of the test's own, on a display it chose itself.
class XServer {
 public:
  XServer() {
    int ready[2];
    if (pipe(ready) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string fd = std::to_string(ready[1]);
    const char* argv[] = {"Xvfb",    "-displayfd", fd.c_str(),   "-nolisten", "tcp",
                          "-screen", "0",          "640x480x24", nullptr};
    if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
      pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    // Xvfb writes the display's number once it takes connections.
    for (char c; pid_ > 0 && (c = ReadByte(ready[0], 20000)) != 0 && c != '\n';) display_ += c;
    close(ready[0]);
    if (!display_.empty()) display_ = ":" + display_;
  }
  ~XServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  // "" when the server did not start.
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Runs the window system on the display.
void UseDisplay(const std::string& display) {
  setenv("DISPLAY", display.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// A clipboard manager in a process of its own: it keeps what it last saw on the
// clipboard and puts it back at once whenever the clipboard turns empty. It
// writes 'r' to told once it watches, and 'k' each time it kept something.
[[noreturn]] void RunClipboardManager(const std::string& display, int told) {
  UseDisplay(display);
  int argc = 1;
  char name[] = "ClipboardManager";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  QClipboard* clipboard = QGuiApplication::clipboard();
  QString keptText;
  QImage keptImage;
  QObject::connect(clipboard, &QClipboard::changed, [&](QClipboard::Mode mode) {
    if (mode != QClipboard::Clipboard || clipboard->ownsClipboard()) return;
    const QMimeData* now = clipboard->mimeData();
    if (now != nullptr && !now->formats().isEmpty()) {
      keptText = now->text();
      keptImage = now->hasImage() ? qvariant_cast<QImage>(now->imageData()) : QImage();
      (void)!write(told, "k", 1);
      return;
    }
    auto* kept = new QMimeData;
    kept->setText(keptText);
    if (!keptImage.isNull()) kept->setImageData(keptImage);
    clipboard->setMimeData(kept);
  });
  (void)!write(told, "r", 1);
  QGuiApplication::exec();
  _exit(0);
}

class ClipboardManagerProcess {
 public:
  explicit ClipboardManagerProcess(const std::string& display) {
    int told[2];
    if (pipe(told) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(told[0]);
      RunClipboardManager(display, told[1]);
    }
    close(told[1]);
    told_ = told[0];
    ready_ = pid_ > 0 && ReadByte(told_, 20000) == 'r';
  }
  ~ClipboardManagerProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (told_ >= 0) close(told_);
  }
  bool Ready() const { return ready_; }

  // Lets the program answer the manager's requests until the manager says it
  // kept what the program put on the clipboard, for at most a few seconds.
  bool WaitUntilKept() {
    for (int waited = 0; waited < 5000; waited += 10) {
      QCoreApplication::processEvents();
      if (ReadByte(told_, 10) == 'k') return true;
    }
    return false;
  }

 private:
  pid_t pid_ = -1;
  int told_ = -1;
  bool ready_ = false;
};

}  // namespace

// The copy of a table, then of a chart, each with work between the Clear and
// the first Set, as drawing the chart's picture is.
TEST(DesktopClipboard, CopyBesideAClipboardManagerPutsExactlyWhatWasCopied) {
  XServer server;
  ASSERT_FALSE(server.Display().empty()) << "Xvfb could not be started";
  ClipboardManagerProcess manager(server.Display());
  ASSERT_TRUE(manager.Ready()) << "the clipboard manager did not start";
  UseDisplay(server.Display());
  int argc = 1;
  char name[] = "TavroTests";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  Clipboard::SetText("earlier");
  ASSERT_TRUE(manager.WaitUntilKept());

  const std::string rtf = "{\\rtf1\\ansi Day 2\\tab 42\\par}";
  Clipboard::Clear();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Clipboard::SetText("Day 2\t42");
  Clipboard::SetText(rtf, ClipboardFormat::RichText);
  // A claim the server refused leaves the manager nothing new to keep, so the
  // wait may end empty-handed; what the clipboard holds tells.
  manager.WaitUntilKept();
  EXPECT_EQ(Clipboard::GetText(), "Day 2\t42");
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), rtf);
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Bitmap));

  QImage chart(8, 6, QImage::Format_RGB32);
  chart.fill(qRgb(10, 20, 30));
  Clipboard::Clear();
  Clipboard::Clear();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Clipboard::SetData(PictureOf(chart));
  manager.WaitUntilKept();
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_EQ(Clipboard::GetData().PixelAt(7, 5), RGB(10, 20, 30));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::RichText));
}
