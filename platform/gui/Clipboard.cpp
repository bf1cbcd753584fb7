#include "platform/gui/Clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "platform/gui/QtBridge.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

const QString RtfMime = QStringLiteral("text/rtf");
const QString RtfMimeAlias = QStringLiteral("application/rtf");

QClipboard& SystemClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, "Clipboard");
  return *clipboard;
}

// The formats the program has put on the clipboard since it last cleared it.
// Each Set adds its format here and puts them all on the clipboard: nothing is
// read back from the desktop in between.
struct HeldFormats {
  std::optional<QString> text;
  std::optional<QByteArray> richText;
  std::optional<QImage> image;
  // What was last put on the clipboard; gone once anyone replaces it.
  QPointer<QMimeData> put;
  // Cleared, with nothing put since: the clipboard counts as empty.
  bool cleared = false;
};

HeldFormats& Held() {
  static HeldFormats held;
  return held;
}

// The formats a Set adds to: those put since the last Clear, or without one,
// those the program last put while they are still what the clipboard holds.
HeldFormats& FormatsToAddTo() {
  HeldFormats& held = Held();
  if (!held.cleared && (held.put.isNull() || SystemClipboard().mimeData() != held.put))
    held = HeldFormats{};
  return held;
}

void PutOnClipboard(HeldFormats& held) {
  auto* data = new QMimeData;
  if (held.text) data->setText(*held.text);
  if (held.richText) {
    data->setData(RtfMime, *held.richText);
    data->setData(RtfMimeAlias, *held.richText);
  }
  if (held.image) data->setImageData(*held.image);
  held.put = data;
  held.cleared = false;
  SystemClipboard().setMimeData(data);
}

// What the clipboard holds, as the program sees it; nullptr when cleared.
const QMimeData* Contents() {
  return Held().cleared ? nullptr : SystemClipboard().mimeData();
}

}  // namespace

void Clipboard::Clear() {
  (void)SystemClipboard();  // raises without an application
  Held() = HeldFormats{};
  Held().cleared = true;
  // The desktop's clipboard is emptied only when no Set follows before the
  // event loop's next turn. A clipboard manager refills an empty clipboard at
  // once, and under X11 its claim is newer than the program's own, so the
  // server would refuse the program's claim on what it copies next.
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    if (!Held().cleared) return;
    Held().cleared = false;
    SystemClipboard().clear();
  });
}

void Clipboard::SetText(std::string_view text, ClipboardFormat format) {
  if (format != ClipboardFormat::Text && format != ClipboardFormat::RichText)
    Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, "Clipboard");
  HeldFormats& held = FormatsToAddTo();
  if (format == ClipboardFormat::Text)
    held.text = ToQString(text);
  else
    held.richText = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
  PutOnClipboard(held);
}

std::string Clipboard::GetText(ClipboardFormat format) {
  const QMimeData* data = Contents();
  if (data == nullptr) return {};
  if (format == ClipboardFormat::Text) return data->hasText() ? FromQString(data->text()) : "";
  if (format == ClipboardFormat::RichText) {
    QByteArray bytes = data->data(RtfMime);
    if (bytes.isEmpty()) bytes = data->data(RtfMimeAlias);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return {};
}

void Clipboard::SetData(const Picture& picture) {
  HeldFormats& held = FormatsToAddTo();
  held.image = ImageOf(picture);
  PutOnClipboard(held);
}

Picture Clipboard::GetData() {
  const QMimeData* data = Contents();
  if (data == nullptr || !data->hasImage()) return Picture();
  return PictureOf(qvariant_cast<QImage>(data->imageData()));
}

bool Clipboard::GetFormat(ClipboardFormat format) {
  const QMimeData* data = Contents();
  if (data == nullptr) return false;
  switch (format) {
    case ClipboardFormat::Text: return data->hasText();
    case ClipboardFormat::Bitmap: return data->hasImage();
    case ClipboardFormat::RichText:
      return data->hasFormat(RtfMime) || data->hasFormat(RtfMimeAlias);
  }
  return false;
}

}  // namespace Platform
