#pragma once

#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// A text of the chart (a title or a caption) with its font and colour, or a
// picture shown in place of the text.
class DRAVEX_API GraphText : public DravexObject {
 public:
  GraphText();
  ~GraphText() override;

  const std::string& Text() const { return text_; }
  void Text(std::string value) { text_ = std::move(value); }
  GraphColour Colour() const { return colour_; }
  void Colour(GraphColour value) { colour_ = value; }
  bool Bold() const { return bold_; }
  void Bold(bool value) { bold_ = value; }
  // In points.
  float Size() const { return size_; }
  void Size(float value) { size_ = value; }
  // The font's name.
  const std::string& Font() const { return font_; }
  void Font(std::string value) { font_ = std::move(value); }
  bool Italic() const { return italic_; }
  void Italic(bool value) { italic_ = value; }
  bool UnderLine() const { return underLine_; }
  void UnderLine(bool value) { underLine_ = value; }
  bool StrikeOut() const { return strikeOut_; }
  void StrikeOut(bool value) { strikeOut_ = value; }
  // A picture shown instead of the text; nothing (nullptr) shows the text.
  const Runtime::ObjectRef& Graphic() const { return graphic_; }
  void Graphic(Runtime::ObjectRef value) { graphic_ = std::move(value); }

 private:
  std::string text_;
  GraphColour colour_ = 0x02000000;
  bool bold_ = false;
  float size_ = 8.0f;
  std::string font_ = "Arial";
  bool italic_ = false;
  bool underLine_ = false;
  bool strikeOut_ = false;
  Runtime::ObjectRef graphic_;
};

}  // namespace Dravex
