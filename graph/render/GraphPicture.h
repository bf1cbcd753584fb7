#pragma once

#include <utility>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "platform/gui/Picture.h"

namespace Dravex {

// A picture as the graph's objects hold one: the graphic of a text shown in
// place of the text (a section's caption, say).
class DRAVEX_API GraphPicture : public DravexObject {
 public:
  explicit GraphPicture(Platform::Picture picture) : picture_(std::move(picture)) {}
  ~GraphPicture() override;

  const Platform::Picture& Picture() const { return picture_; }

 private:
  Platform::Picture picture_;
};

}  // namespace Dravex
