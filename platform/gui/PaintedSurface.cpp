#include "platform/gui/PaintedSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gui/QtBridge.h"

namespace Platform {

namespace {

struct PenKey {
  Colour Ink;
  int Style;
  int Width;
  friend bool operator==(const PenKey&, const PenKey&) = default;
};

Qt::PenStyle ToPenStyle(int drawStyle, int drawWidth) {
  // Only one-pixel pens are dashed or dotted; wider ones draw solid.
  if (drawWidth > 1 && drawStyle >= DrawStyles::Dash && drawStyle <= DrawStyles::DashDotDot) {
    return Qt::SolidLine;
  }
  switch (drawStyle) {
    case DrawStyles::Dash: return Qt::DashLine;
    case DrawStyles::Dot: return Qt::DotLine;
    case DrawStyles::DashDot: return Qt::DashDotLine;
    case DrawStyles::DashDotDot: return Qt::DashDotDotLine;
    case DrawStyles::Transparent: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

QRectF Normalised(double x1, double y1, double x2, double y2) {
  return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                QPointF(std::max(x1, x2), std::max(y1, y2)));
}

// The picture's shape in one colour: every pixel that is neither transparent nor
// near white, as the shape of a disabled icon is taken.
QImage ShapeIn(const QImage& source, const QColor& colour) {
  QImage shape(source.size(), QImage::Format_ARGB32);
  shape.fill(Qt::transparent);
  const QRgb ink = colour.rgb();
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = source.pixel(x, y);
      if (qAlpha(p) >= 128 && qGray(p) < 192) shape.setPixel(x, y, ink);
    }
  }
  return shape;
}

// What an AND with the source leaves where the device cannot combine pixels:
// white source pixels change nothing, so they are left out.
QImage WithoutWhite(const QImage& source) {
  QImage result = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      if (qRed(line[x]) >= 250 && qGreen(line[x]) >= 250 && qBlue(line[x]) >= 250) line[x] = 0;
    }
  }
  return result;
}

QImage OnBackground(const QImage& source, Qt::GlobalColor background) {
  if (!source.hasAlphaChannel()) return source;
  QImage flat(source.size(), QImage::Format_RGB32);
  flat.fill(background);
  QPainter p(&flat);
  p.drawImage(0, 0, source);
  return flat;
}

// Bounds on what is kept: a surface that meets more goes on measuring anew.
constexpr size_t MaxMeasuredFonts = 32;
constexpr size_t MaxMeasuredLines = 1 << 16;

}  // namespace

// A font as the device measures it. A chart measures the same texts in the
// same few fonts on every drawing, and Qt shapes a text anew on every
// measurement, so the widths are kept.
struct PaintedSurface::MeasuredFont {
  MeasuredFont(const SurfaceFont& key, int dpiX, int dpiY, QPaintDevice& device)
      : Key(key),
        DpiX(dpiX),
        DpiY(dpiY),
        Font(ToQFont(key)),
        Metrics(Font, &device),
        Height(Metrics.height()) {}

  SurfaceFont Key;
  int DpiX;
  int DpiY;
  QFont Font;
  QFontMetricsF Metrics;
  double Height;
  std::unordered_map<std::string, double> Widths;  // device units, by line
};

struct PaintedSurface::Cache {
  std::vector<std::unique_ptr<MeasuredFont>> Fonts;
  MeasuredFont* Current = nullptr;  // the surface's font, once measured
  bool FontApplied = false;
  std::optional<PenKey> Pen;
};

PaintedSurface::PaintedSurface(SurfaceKind kind)
    : Surface(kind), cache_(std::make_unique<Cache>()) {}
PaintedSurface::~PaintedSurface() = default;

void PaintedSurface::PainterRestarted() {
  cache_->FontApplied = false;
  cache_->Pen.reset();
}

PaintedSurface::MeasuredFont& PaintedSurface::CurrentFont() {
  Cache& cache = *cache_;
  if (cache.Current == nullptr) {
    // By the device's resolution too: the printer's may change between jobs.
    QPaintDevice& device = MetricsDevice();
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const auto found =
        std::find_if(cache.Fonts.begin(), cache.Fonts.end(), [&](const auto& measured) {
          return measured->Key == Font() && measured->DpiX == dpiX && measured->DpiY == dpiY;
        });
    if (found != cache.Fonts.end()) {
      cache.Current = found->get();
    } else {
      if (cache.Fonts.size() >= MaxMeasuredFonts) cache.Fonts.clear();
      cache.Fonts.push_back(std::make_unique<MeasuredFont>(Font(), dpiX, dpiY, device));
      cache.Current = cache.Fonts.back().get();
    }
  }
  return *cache.Current;
}

void PaintedSurface::FontChanged() {
  cache_->Current = nullptr;
  cache_->FontApplied = false;
}

bool PaintedSurface::KnowsFont(std::string_view name) const {
  return FontAvailable(name);
}

double PaintedSurface::MeasureLine(std::string_view line) {
  MeasuredFont& font = CurrentFont();
  std::string key(line);
  const auto known = font.Widths.find(key);
  if (known != font.Widths.end()) return FromDeviceWidth(known->second);
  const double width = font.Metrics.horizontalAdvance(ToQString(line));
  if (font.Widths.size() >= MaxMeasuredLines) font.Widths.clear();
  font.Widths.emplace(std::move(key), width);
  return FromDeviceWidth(width);
}

double PaintedSurface::LineHeight() {
  return FromDeviceHeight(CurrentFont().Height);
}

QPainter& PaintedSurface::TextPainter() {
  QPainter& painter = Painter();
  Cache& cache = *cache_;
  if (!cache.FontApplied) {
    painter.setFont(CurrentFont().Font);
    cache.FontApplied = true;
  }
  const PenKey key{ForeColor(), -1, 1};
  if (cache.Pen != key) {
    painter.setPen(ToQColor(ForeColor()));
    cache.Pen = key;
  }
  return painter;
}

QPainter& PaintedSurface::ShapePainter(Colour lineColour) {
  QPainter& painter = Painter();
  const PenKey key{lineColour, DrawStyle(), DrawWidth()};
  if (cache_->Pen != key) {
    const Qt::PenStyle style = ToPenStyle(DrawStyle(), DrawWidth());
    QPen pen(ToQColor(lineColour), DrawWidth(), style);
    if (DrawWidth() > 1) {
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
    }
    painter.setPen(pen);
    cache_->Pen = key;
  }
  return painter;
}

void PaintedSurface::DoTextLine(std::string_view line, double x, double y) {
  QPainter& painter = TextPainter();
  painter.drawText(QPointF(ToDeviceX(x), ToDeviceY(y) + CurrentFont().Metrics.ascent()),
                   ToQString(line));
}

void PaintedSurface::DoDrawText(std::string_view text, double x1, double y1, double x2, double y2,
                                int flags) {
  QString s = ToQString(text);
  int qtFlags = 0;
  if (flags & TextFlags::Centre) {
    qtFlags |= Qt::AlignHCenter;
  } else if (flags & TextFlags::Right) {
    qtFlags |= Qt::AlignRight;
  } else {
    qtFlags |= Qt::AlignLeft;
  }
  if (flags & TextFlags::SingleLine) {
    s.replace(QLatin1String("\r\n"), QLatin1String(" "));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (flags & TextFlags::VerticalCentre) {
      qtFlags |= Qt::AlignVCenter;
    } else if (flags & TextFlags::Bottom) {
      qtFlags |= Qt::AlignBottom;
    } else {
      qtFlags |= Qt::AlignTop;
    }
  } else {
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qtFlags |= Qt::AlignTop;
    if (flags & TextFlags::WordBreak) qtFlags |= Qt::TextWordWrap;
  }
  QPainter& painter = TextPainter();
  const QRectF rect = Normalised(ToDeviceX(x1), ToDeviceY(y1), ToDeviceX(x2), ToDeviceY(y2));
  painter.save();
  painter.setClipRect(rect);
  painter.drawText(rect, qtFlags, s);
  painter.restore();
}

void PaintedSurface::DoRotatedText(std::string_view text, int angleTenths, double x, double y) {
  QPainter& painter = TextPainter();
  const double ascent = CurrentFont().Metrics.ascent();
  painter.save();
  painter.translate(ToDeviceX(x), ToDeviceY(y));
  // Qt turns clockwise on a device whose y grows downwards.
  painter.rotate(-angleTenths / 10.0);
  painter.drawText(QPointF(0, ascent), ToQString(text));
  painter.restore();
}

void PaintedSurface::DoLine(double x1, double y1, double x2, double y2,
                            std::optional<Colour> colour, LineShape shape) {
  const Colour lineColour = colour.value_or(ForeColor());
  const double dx1 = ToDeviceX(x1), dy1 = ToDeviceY(y1);
  const double dx2 = ToDeviceX(x2), dy2 = ToDeviceY(y2);
  if (shape == LineShape::Line) {
    if (DrawStyle() == DrawStyles::Transparent) return;
    ShapePainter(lineColour).drawLine(QPointF(dx1, dy1), QPointF(dx2, dy2));
    return;
  }
  // Boxes cover both corners' pixels.
  const QRectF box = Normalised(dx1, dy1, dx2, dy2);
  const QRectF area = box.adjusted(0, 0, 1, 1);
  if (shape == LineShape::FilledBox) {
    Painter().fillRect(area, ToQColor(lineColour));
    return;
  }
  if (FillStyle() != FillStyles::Transparent) {
    Painter().fillRect(area, QBrush(ToQColor(FillColor()), ToBrushStyle(FillStyle())));
  }
  if (DrawStyle() == DrawStyles::Transparent) return;
  QPainter& painter = ShapePainter(lineColour);
  QRectF outline = box;
  if (DrawStyle() == DrawStyles::InsideSolid && DrawWidth() > 1) {
    const double inset = DrawWidth() / 2.0;
    outline.adjust(inset, inset, -inset, -inset);
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outline);
}

void PaintedSurface::DoCircle(double x, double y, double radius, std::optional<Colour> colour) {
  const Colour lineColour = colour.value_or(ForeColor());
  const QPointF centre(ToDeviceX(x), ToDeviceY(y));
  double r = std::abs(ToDeviceWidth(radius));
  if (DrawStyle() == DrawStyles::InsideSolid && DrawWidth() > 1) r -= DrawWidth() / 2.0;
  QPainter& painter = ShapePainter(lineColour);
  if (FillStyle() != FillStyles::Transparent) {
    painter.setBrush(QBrush(ToQColor(FillColor()), ToBrushStyle(FillStyle())));
  } else {
    painter.setBrush(Qt::NoBrush);
  }
  painter.drawEllipse(centre, r, r);
  painter.setBrush(Qt::NoBrush);
}

std::int32_t PaintedSurface::DoPoint(double x, double y) {
  const QImage* pixels = ReadablePixels();
  if (pixels == nullptr) return -1;
  const int px = static_cast<int>(std::floor(ToDeviceX(x)));
  const int py = static_cast<int>(std::floor(ToDeviceY(y)));
  if (!pixels->valid(px, py)) return -1;
  const QRgb p = pixels->pixel(px, py);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

void PaintedSurface::DoPSet(double x, double y, Colour colour) {
  const double size = DrawWidth();
  const double px = std::floor(ToDeviceX(x)), py = std::floor(ToDeviceY(y));
  const double offset = std::floor((size - 1) / 2);
  Painter().fillRect(QRectF(px - offset, py - offset, size, size), ToQColor(colour));
}

void PaintedSurface::DoEdge(double x1, double y1, double x2, double y2, Edge edge) {
  using namespace SystemColours;
  const QRectF r = Normalised(ToDeviceX(x1), ToDeviceY(y1), ToDeviceX(x2), ToDeviceY(y2));
  const bool raised = edge == Edge::Raised;
  // Outer then inner ring: top and left in the first colour, bottom and right in
  // the second; the rectangle's right and bottom edges lie outside it.
  const int rings[2][2] = {
      {raised ? Light3D : ButtonShadow, raised ? DarkShadow3D : ButtonHighlight},
      {raised ? ButtonHighlight : DarkShadow3D, raised ? ButtonShadow : Light3D}};
  QPainter& painter = Painter();
  for (int ring = 0; ring < 2; ++ring) {
    const double l = r.left() + ring, t = r.top() + ring;
    const double w = r.width() - 2 * ring, h = r.height() - 2 * ring;
    if (w <= 0 || h <= 0) break;
    const QColor light = ToQColor(SystemColour(rings[ring][0]));
    const QColor dark = ToQColor(SystemColour(rings[ring][1]));
    painter.fillRect(QRectF(l, t, w, 1), light);
    painter.fillRect(QRectF(l, t, 1, h), light);
    painter.fillRect(QRectF(l, t + h - 1, w, 1), dark);
    painter.fillRect(QRectF(l + w - 1, t, 1, h), dark);
  }
}

void PaintedSurface::DoDrawPicture(const Picture& picture, double x, double y, bool disabled) {
  const QImage image = ImageOf(picture);
  const QPointF at(ToDeviceX(x), ToDeviceY(y));
  QPainter& painter = Painter();
  if (!disabled) {
    painter.drawImage(at, image);
    return;
  }
  painter.drawImage(at + QPointF(1, 1),
                    ShapeIn(image, ToQColor(SystemColour(SystemColours::ButtonHighlight))));
  painter.drawImage(at, ShapeIn(image, ToQColor(SystemColour(SystemColours::ButtonShadow))));
}

void PaintedSurface::DoPaintPicture(const Picture& picture, double x, double y, double width,
                                    double height, double srcX, double srcY, double srcWidth,
                                    double srcHeight, std::uint32_t rasterOp) {
  QImage image = ImageOf(picture);
  const QRectF target = Normalised(ToDeviceX(x), ToDeviceY(y), ToDeviceX(x) + ToDeviceWidth(width),
                                   ToDeviceY(y) + ToDeviceHeight(height));
  const QRectF source(srcX, srcY, srcWidth, srcHeight);
  QPainter& painter = Painter();
  std::optional<QPainter::CompositionMode> mode;
  if (rasterOp == RasterOps::SourceAnd) {
    if (HasRasterOps()) {
      image = OnBackground(image, Qt::white);
      mode = QPainter::RasterOp_SourceAndDestination;
    } else {
      image = WithoutWhite(image);
    }
  } else if (rasterOp == RasterOps::SourcePaint && HasRasterOps()) {
    image = OnBackground(image, Qt::black);
    mode = QPainter::RasterOp_SourceOrDestination;
  } else if (rasterOp == RasterOps::SourceInvert && HasRasterOps()) {
    image = OnBackground(image, Qt::black);
    mode = QPainter::RasterOp_SourceXorDestination;
  }
  if (mode) painter.setCompositionMode(*mode);
  painter.drawImage(target, image, source);
  if (mode) painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace Platform
