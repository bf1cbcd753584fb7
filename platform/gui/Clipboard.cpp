#include "platform/gui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPointer>
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
// read back from the desktop in between, where a clipboard manager may have put
// its own copy of older contents back after the Clear, and where waiting for it
// can cost the program its claim on the clipboard.
struct HeldFormats {
  std::optional<QString> text;
  std::optional<QByteArray> richText;
  std::optional<QImage> image;
  // What was last put on the clipboard; gone once anyone replaces it.
  QPointer<QMimeData> put;
  // Set by Clear, until the next Set: the set of formats starts anew.
  bool cleared = false;
};

HeldFormats& Held() {
  static HeldFormats held;
  return held;
}

// The formats a Set adds to: those put since the last Clear, or without one,
// those the program last put while it is still what the clipboard holds.
HeldFormats& FormatsToAddTo() {
  HeldFormats& held = Held();
  if (!held.cleared && (held.put.isNull() || SystemClipboard().mimeData() != held.put))
    held = HeldFormats{};
  held.cleared = false;
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
  SystemClipboard().setMimeData(data);
}

}  // namespace

void Clipboard::Clear() {
  Held() = HeldFormats{};
  Held().cleared = true;
  SystemClipboard().clear();
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
  const QMimeData* data = SystemClipboard().mimeData();
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
  const QMimeData* data = SystemClipboard().mimeData();
  if (data == nullptr || !data->hasImage()) return Picture();
  return PictureOf(qvariant_cast<QImage>(data->imageData()));
}

bool Clipboard::GetFormat(ClipboardFormat format) {
  const QMimeData* data = SystemClipboard().mimeData();
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
