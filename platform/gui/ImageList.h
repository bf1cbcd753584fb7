#pragma once

#include <string>
#include <vector>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// Pictures kept by position (from 1) and by key, for toolbars, shortcuts and
// window icons. Keys compare without regard to case.
class TAVRO_PLATFORM_GUI_API ImageList {
 public:
  // Adds a picture at the position (the end when 0); returns its position. A key
  // in use raises error 35602, a position beyond the end error 35600.
  int Add(const Picture& picture, const std::string& key = {}, int index = 0);
  int Count() const { return static_cast<int>(images_.size()); }
  // By position or by key; error 35600 for a position outside, 35601 for a key
  // that is not there.
  const Picture& Item(int index) const;
  const Picture& Item(const std::string& key) const;
  std::string Key(int index) const;
  int IndexOf(const std::string& key) const;  // 0 when absent
  void Remove(int index);
  void Remove(const std::string& key);
  void Clear() { images_.clear(); }
  // The picture as an icon (the shortcut bar's icons).
  Picture ExtractIcon(int index) const;
  Picture ExtractIcon(const std::string& key) const;

 private:
  struct Entry {
    std::string key;
    Picture picture;
  };
  std::vector<Entry> images_;
};

}  // namespace Platform
