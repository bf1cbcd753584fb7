#include "platform/gui/QtBridge.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include "platform/gui/FontTable.h"
#include "runtime/Encoding.h"

namespace Platform {

QString ToQString(std::string_view text) {
  const std::string utf8 = Runtime::Cp1252ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Runtime::Utf8ToCp1252(std::string_view(utf8.constData(), utf8.size()));
}

Qt::BrushStyle ToBrushStyle(int fillStyle) {
  switch (fillStyle) {
    case FillStyles::Solid: return Qt::SolidPattern;
    case FillStyles::HorizontalLine: return Qt::HorPattern;
    case FillStyles::VerticalLine: return Qt::VerPattern;
    case FillStyles::UpwardDiagonal: return Qt::BDiagPattern;
    case FillStyles::DownwardDiagonal: return Qt::FDiagPattern;
    case FillStyles::Cross: return Qt::CrossPattern;
    case FillStyles::DiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

QColor ToQColor(Colour colour) {
  const std::uint32_t rgb = ToRgb(colour);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QFont ToQFont(const SurfaceFont& font) {
  QFont result;
  if (const FontSubstitution* sub = FindFontSubstitution(font.Name)) {
    result.setFamilies({QString::fromUtf8(sub->Family.data(), sub->Family.size())});
    result.setWeight(sub->Heavy ? QFont::Black : (font.Bold ? QFont::Bold : QFont::Normal));
  } else {
    result.setFamilies({ToQString(font.Name)});
    result.setWeight(font.Bold ? QFont::Bold : QFont::Normal);
  }
  result.setPointSizeF(font.Size);
  result.setItalic(font.Italic);
  result.setUnderline(font.Underline);
  result.setStrikeOut(font.Strikethru);
  return result;
}

bool FontAvailable(std::string_view name) {
  if (FindFontSubstitution(name) != nullptr) return true;
  if (name.empty() || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return false;
  }
  return QFontDatabase::hasFamily(ToQString(name));
}

QImage ImageOf(const Picture& picture) {
  return picture.Pixels() ? picture.Pixels()->Image : QImage();
}

Picture PictureOf(const QImage& image, PictureType type) {
  if (image.isNull() || type == PictureType::None) return Picture();
  return Picture(std::make_shared<const Picture::Data>(Picture::Data{image, type}));
}

}  // namespace Platform
