#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

// A picture: nothing, a bitmap or an icon. A value type; copies share the pixels,
// which never change once made. Sizes are in pixels. Qt-free so that drawing code
// outside the Qt layer can hold and pass pictures.
class TAVRO_PLATFORM_GUI_API Picture {
 public:
  Picture();  // no picture
  ~Picture();
  Picture(const Picture&);
  Picture& operator=(const Picture&);

  PictureType Type() const;
  bool IsEmpty() const { return Type() == PictureType::None; }
  int Width() const;
  int Height() const;
  // The pixel as 0x00bbggrr; a fully transparent pixel or one outside the picture
  // gives -1.
  std::int32_t PixelAt(int x, int y) const;

  // Loads a .bmp, .png, .gif, .jpg or .ico file (the type follows the content; an
  // .ico gives an icon). An empty file name gives no picture. Raises error 53 for
  // a missing file and 481 for a file that is no picture. The name is
  // Windows-1252 text.
  static Picture Load(const std::string& fileName);
  // Writes the picture: an icon as an .ico file; a bitmap as a Windows bitmap,
  // or as PNG when the name ends in ".png". Raises error 75 when the file cannot be
  // written, 481 for no picture.
  void Save(const std::string& fileName) const;

  struct Data;
  explicit Picture(std::shared_ptr<const Data> data);
  const std::shared_ptr<const Data>& Pixels() const { return data_; }

 private:
  std::shared_ptr<const Data> data_;
};

}  // namespace Platform
