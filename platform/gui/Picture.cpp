#include "platform/gui/Picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include "platform/gui/QtBridge.h"
#include "runtime/Error.h"

namespace Platform {

namespace {
constexpr std::int32_t InvalidPicture = 481;
}  // namespace

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;
Picture::Picture(std::shared_ptr<const Data> data) : data_(std::move(data)) {}

PictureType Picture::Type() const {
  return data_ ? data_->Type : PictureType::None;
}
int Picture::Width() const {
  return data_ ? data_->Image.width() : 0;
}
int Picture::Height() const {
  return data_ ? data_->Image.height() : 0;
}

std::int32_t Picture::PixelAt(int x, int y) const {
  if (!data_ || !data_->Image.valid(x, y)) return -1;
  const QRgb p = data_->Image.pixel(x, y);
  if (qAlpha(p) == 0) return -1;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(qRed(p)) |
                                   (static_cast<std::uint32_t>(qGreen(p)) << 8) |
                                   (static_cast<std::uint32_t>(qBlue(p)) << 16));
}

Picture Picture::Load(const std::string& fileName) {
  if (fileName.empty()) return Picture();
  const QString path = ToQString(fileName);
  if (!QFileInfo(path).isFile()) {
    Runtime::Raise(Runtime::ErrorNumber::FileNotFound, "LoadPicture",
                   "File not found: " + fileName);
  }
  QImageReader reader(path);
  const bool icon = reader.format() == "ico";
  QImage image = reader.read();
  if (image.isNull()) Runtime::Raise(InvalidPicture, "LoadPicture", "Invalid picture: " + fileName);
  image =
      image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return PictureOf(image, icon ? PictureType::Icon : PictureType::Bitmap);
}

void Picture::Save(const std::string& fileName) const {
  if (IsEmpty()) Runtime::Raise(InvalidPicture, "SavePicture", "Invalid picture");
  const QString path = ToQString(fileName);
  QByteArray format = "bmp";
  if (Type() == PictureType::Icon) {
    format = "ico";
  } else if (path.endsWith(".png", Qt::CaseInsensitive)) {
    format = "png";
  }
  QImageWriter writer(path, format);
  if (!writer.write(data_->Image)) {
    Runtime::Raise(Runtime::ErrorNumber::PathFileAccessError, "SavePicture",
                   "Cannot write " + fileName + ": " + FromQString(writer.errorString()));
  }
}

}  // namespace Platform
