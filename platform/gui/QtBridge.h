#pragma once

// Conversions between the system's values and Qt's, for the Qt layer only.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>
#include <string_view>

#include "platform/gui/Colour.h"
#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/Surface.h"

namespace Platform {

struct Picture::Data {
  QImage Image;
  PictureType Type = PictureType::None;
};

// Windows-1252 text to a QString and back.
TAVRO_PLATFORM_GUI_API QString ToQString(std::string_view text);
TAVRO_PLATFORM_GUI_API std::string FromQString(const QString& text);

TAVRO_PLATFORM_GUI_API QColor ToQColor(Colour colour);
// The brush pattern of a fill style (0 solid, 1 transparent, 2-7 hatches).
TAVRO_PLATFORM_GUI_API Qt::BrushStyle ToBrushStyle(int fillStyle);

// The Qt font that draws a surface font, through the substitution table.
TAVRO_PLATFORM_GUI_API QFont ToQFont(const SurfaceFont& font);
// A design font of the table, or an installed family of that name.
TAVRO_PLATFORM_GUI_API bool FontAvailable(std::string_view name);

// The picture's pixels (a null image for no picture), and a picture of an image
// (no picture for a null image).
TAVRO_PLATFORM_GUI_API QImage ImageOf(const Picture& picture);
TAVRO_PLATFORM_GUI_API Picture PictureOf(const QImage& image,
                                         PictureType type = PictureType::Bitmap);

}  // namespace Platform
