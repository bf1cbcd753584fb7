#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// A line or a band on the plot area, behind or in front of the series, with a
// caption. Coordinates are X positions (point indices) and values on the
// section's Y axis; each holds Null (never set), a Single, or "" (not given,
// so the section spans that whole direction).
class DRAVEX_API GraphSection : public DravexObject {
 public:
  GraphSection();
  ~GraphSection() override;

  SectionDisplayType SectionDisplay() const { return sectionDisplay_; }
  void SectionDisplay(SectionDisplayType value) { sectionDisplay_ = value; }

  // A 16-bit integer, Single or Double becomes a Single; any other value (a
  // 32-bit integer included) makes the coordinate "", not given.
  const Runtime::Variant& X1() const { return x1_; }
  void X1(const Runtime::Variant& value);
  const Runtime::Variant& X2() const { return x2_; }
  void X2(const Runtime::Variant& value);
  const Runtime::Variant& Y1() const { return y1_; }
  void Y1(const Runtime::Variant& value);
  const Runtime::Variant& Y2() const { return y2_; }
  void Y2(const Runtime::Variant& value);

  YAxisType WhichAxis() const { return whichAxis_; }
  void WhichAxis(YAxisType value) { whichAxis_ = value; }
  std::shared_ptr<GraphText> Title() const;
  void Title(std::shared_ptr<GraphText> value) { title_ = std::move(value); }
  // A caption is never diagonal: LabelDiagonal is kept as LabelHorizontal.
  LabelOrientaionType TitleOrientation() const { return titleOrientation_; }
  void TitleOrientation(LabelOrientaionType value);
  // Line-style and fill-style codes of the drawing surface.
  int16_t LineStyle() const { return lineStyle_; }
  void LineStyle(int16_t value) { lineStyle_ = value; }
  int16_t FillStyle() const { return fillStyle_; }
  void FillStyle(int16_t value) { fillStyle_ = value; }
  GraphColour Colour() const { return colour_; }
  void Colour(GraphColour value) { colour_ = value; }
  // A sum of TitlePositionType bits, kept with exactly one bit of each group:
  // a missing or doubled horizontal bit becomes HorizontalRight, vertical
  // VerticalTop, inside/outside Outside.
  int32_t TitlePosition() const { return titlePosition_; }
  void TitlePosition(int32_t value);
  // Automatic is decided at once from the coordinates and never kept.
  SectionFloatType Float() const { return float_; }
  void Float(SectionFloatType value);
  const std::string& Key() const { return key_; }
  void Key(std::string value) { key_ = std::move(value); }
  bool Visible() const { return visible_; }
  void Visible(bool value) { visible_ = value; }
  // A group name; the sections the statistics make are tagged "Stats".
  const std::string& Tag() const { return tag_; }
  void Tag(std::string value) { tag_ = std::move(value); }

 private:
  SectionDisplayType sectionDisplay_ = SectionDisplayType::SectionArea;
  Runtime::Variant x1_{Runtime::Null};
  Runtime::Variant x2_{Runtime::Null};
  Runtime::Variant y1_{Runtime::Null};
  Runtime::Variant y2_{Runtime::Null};
  YAxisType whichAxis_ = YAxisType::YAxis1;
  std::shared_ptr<GraphText> title_;
  LabelOrientaionType titleOrientation_ = LabelOrientaionType::LabelHorizontal;
  int16_t lineStyle_ = 0;
  int16_t fillStyle_ = 0;
  GraphColour colour_ = 0x02000000;
  int32_t titlePosition_ = TitlePositionType::HorizontalLeft | TitlePositionType::VerticalTop |
                           TitlePositionType::Inside;
  SectionFloatType float_ = SectionFloatType::Automatic;
  std::string key_;
  bool visible_ = true;
  std::string tag_;
};

}  // namespace Dravex
