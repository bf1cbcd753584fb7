#include "platform/gui/ImageList.h"

#include "platform/gui/QtBridge.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr int32_t kIndexOutOfBounds = 35600;
constexpr int32_t kElementNotFound = 35601;
constexpr int32_t kKeyNotUnique = 35602;

}  // namespace

int ImageList::Add(const Picture& picture, const std::string& key, int index) {
  if (!key.empty() && IndexOf(key) != 0) Runtime::Raise(kKeyNotUnique);
  if (index == 0) index = Count() + 1;
  if (index < 1 || index > Count() + 1) Runtime::Raise(kIndexOutOfBounds);
  images_.insert(images_.begin() + (index - 1), Entry{key, picture});
  return index;
}

const Picture& ImageList::Item(int index) const {
  if (index < 1 || index > Count()) Runtime::Raise(kIndexOutOfBounds);
  return images_[static_cast<size_t>(index - 1)].picture;
}

const Picture& ImageList::Item(const std::string& key) const {
  const int index = IndexOf(key);
  if (index == 0) Runtime::Raise(kElementNotFound);
  return Item(index);
}

std::string ImageList::Key(int index) const {
  if (index < 1 || index > Count()) Runtime::Raise(kIndexOutOfBounds);
  return images_[static_cast<size_t>(index - 1)].key;
}

int ImageList::IndexOf(const std::string& key) const {
  if (key.empty()) return 0;
  for (size_t i = 0; i < images_.size(); ++i)
    if (Runtime::EqualsNoCase(images_[i].key, key)) return static_cast<int>(i) + 1;
  return 0;
}

void ImageList::Remove(int index) {
  if (index < 1 || index > Count()) Runtime::Raise(kIndexOutOfBounds);
  images_.erase(images_.begin() + (index - 1));
}

void ImageList::Remove(const std::string& key) {
  const int index = IndexOf(key);
  if (index == 0) Runtime::Raise(kElementNotFound);
  Remove(index);
}

Picture ImageList::ExtractIcon(int index) const {
  return PictureOf(ImageOf(Item(index)), PictureType::Icon);
}

Picture ImageList::ExtractIcon(const std::string& key) const {
  return PictureOf(ImageOf(Item(key)), PictureType::Icon);
}

}  // namespace Platform
