#include "platform/gui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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

// A copy of what the clipboard holds, to add a format to.
QMimeData* CopyOfContents() {
  auto* copy = new QMimeData;
  if (const QMimeData* current = SystemClipboard().mimeData()) {
    for (const QString& format : current->formats()) copy->setData(format, current->data(format));
    if (current->hasImage()) copy->setImageData(current->imageData());
  }
  return copy;
}

}  // namespace

void Clipboard::Clear() {
  SystemClipboard().clear();
}

void Clipboard::SetText(std::string_view text, ClipboardFormat format) {
  QMimeData* data = CopyOfContents();
  if (format == ClipboardFormat::Text) {
    data->setText(ToQString(text));
  } else if (format == ClipboardFormat::RichText) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    data->setData(RtfMime, bytes);
    data->setData(RtfMimeAlias, bytes);
  } else {
    delete data;
    Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, "Clipboard");
  }
  SystemClipboard().setMimeData(data);
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
  QMimeData* data = CopyOfContents();
  data->setImageData(ImageOf(picture));
  SystemClipboard().setMimeData(data);
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
