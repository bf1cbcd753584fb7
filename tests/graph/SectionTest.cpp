#include <gtest/gtest.h>

#include "graph/model/GraphSection.h"
#include "graph/model/GraphSectionCol.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using Runtime::VarType;
using TestSupport::Raised;

namespace {

std::shared_ptr<GraphSection> Tagged(const std::string& tag, const std::string& name) {
  auto section = std::make_shared<GraphSection>();
  section->Tag(tag);
  section->Title()->Text(name);
  return section;
}

std::string Names(const GraphSectionCol& sections) {
  std::string names;
  for (int32_t i = 1; i <= sections.Count(); ++i) names += sections.Item(i)->Title()->Text();
  return names;
}

}  // namespace

TEST(GraphSection, NewSectionHasNoCoordinatesAndTheDefaultLook) {
  GraphSection section;
  EXPECT_TRUE(section.X1().IsNull());
  EXPECT_TRUE(section.Y2().IsNull());
  EXPECT_EQ(section.SectionDisplay(), SectionDisplayType::SectionArea);
  EXPECT_EQ(section.WhichAxis(), YAxisType::YAxis1);
  EXPECT_EQ(section.Colour(), 0x02000000);
  EXPECT_EQ(section.TitlePosition(), 73);
  EXPECT_EQ(section.Float(), SectionFloatType::Automatic);
  EXPECT_TRUE(section.Visible());
  EXPECT_EQ(section.Title()->Font(), "Arial");
  EXPECT_EQ(section.Title()->Colour(), 0x02000000);
}

TEST(GraphSection, OnlyIntegerSingleAndDoubleMakeACoordinate) {
  GraphSection section;
  section.X1(Variant(int16_t{3}));
  EXPECT_EQ(section.X1(), Variant(3.0f));
  section.X1(Variant(2.5));
  EXPECT_EQ(section.X1(), Variant(2.5f));
  section.Y1(Variant(1.25f));
  EXPECT_EQ(section.Y1(), Variant(1.25f));

  const Variant notGiven[] = {Variant(int32_t{3}),    Variant("3"),
                              Variant(Runtime::Null), Variant(),
                              Variant(true),          Variant(Runtime::DateTime{3}),
                              Variant::Nothing(),     Variant(uint8_t{3})};
  for (const auto& value : notGiven) {
    section.X2(value);
    EXPECT_EQ(section.X2(), Variant("")) << "kind " << static_cast<int>(value.Kind());
  }
}

TEST(GraphSection, AutomaticFloatIsDecidedFromTheCoordinates) {
  auto floatOf = [](Variant x1, Variant x2, Variant y1, Variant y2) {
    GraphSection section;
    section.X1(x1);
    section.X2(x2);
    section.Y1(y1);
    section.Y2(y2);
    section.Float(SectionFloatType::Automatic);
    return section.Float();
  };
  const Variant null(Runtime::Null);
  const Variant fifty(int16_t{50});
  EXPECT_EQ(floatOf(int16_t{4}, int16_t{4}, null, null), SectionFloatType::Front);
  EXPECT_EQ(floatOf(int16_t{2}, int16_t{6}, fifty, fifty), SectionFloatType::Behind);
  EXPECT_EQ(floatOf(null, null, fifty, fifty), SectionFloatType::Front);
  EXPECT_EQ(floatOf("", "", fifty, 50.0), SectionFloatType::Front);
  EXPECT_EQ(floatOf(null, null, fifty, int16_t{60}), SectionFloatType::Behind);
  EXPECT_EQ(floatOf(null, null, null, null), SectionFloatType::Behind);
  // A 32-bit X does not count, so the equal Ys decide.
  EXPECT_EQ(floatOf(int32_t{2}, int32_t{6}, fifty, fifty), SectionFloatType::Front);
}

TEST(GraphSection, ExplicitFloatIsKeptAsGiven) {
  GraphSection section;
  section.Float(SectionFloatType::Behind);
  EXPECT_EQ(section.Float(), SectionFloatType::Behind);
  section.Float(static_cast<SectionFloatType>(7));
  EXPECT_EQ(section.Float(), static_cast<SectionFloatType>(7));
}

TEST(GraphSection, TitlePositionKeepsOneBitOfEachGroup) {
  const std::pair<int32_t, int32_t> cases[] = {
      {0, 140}, {255, 140}, {18, 146}, {137, 137}, {73, 73}, {3, 140}, {82, 82}, {36 + 192, 164},
  };
  for (auto [given, stored] : cases) {
    GraphSection section;
    section.TitlePosition(given);
    EXPECT_EQ(section.TitlePosition(), stored) << given;
  }
}

TEST(GraphSection, CaptionIsNeverDiagonal) {
  GraphSection section;
  section.TitleOrientation(LabelOrientaionType::LabelVertical);
  EXPECT_EQ(section.TitleOrientation(), LabelOrientaionType::LabelVertical);
  section.TitleOrientation(LabelOrientaionType::LabelDiagonal);
  EXPECT_EQ(section.TitleOrientation(), LabelOrientaionType::LabelHorizontal);
}

TEST(GraphSection, TitleSetToNothingRaisesObjectNotSet) {
  GraphSection section;
  section.Title(nullptr);
  EXPECT_EQ(Raised([&] { section.Title(); }), Runtime::ErrorNumber::ObjectNotSet);
}

TEST(GraphSectionCol, RemoveTagIgnoresCaseAndKeepsTheOthersInOrder) {
  GraphSectionCol sections;
  sections.Add(Tagged("Stats", "a"));
  sections.Add(Tagged("STATS", "b"));
  sections.Add(Tagged("Host", "c"));
  sections.Add(Tagged("", "d"));
  sections.Add(Tagged("stats", "e"));
  sections.Add(Tagged("Statistics", "f"));
  sections.Add(Tagged("Stats", "g"));

  sections.RemoveTag("stats");
  EXPECT_EQ(Names(sections), "cdf");
}

TEST(GraphSectionCol, KeysAreOptionalAndUnique) {
  GraphSectionCol sections;
  sections.Add(Tagged("", "mean"), "SeriesMean");
  sections.Add(Tagged("", "free"));
  EXPECT_EQ(sections.Item("seriesmean")->Title()->Text(), "mean");
  EXPECT_EQ(sections.Col()->KeyAt(2), "");

  EXPECT_EQ(Raised([&] { sections.Add(Tagged("", "again"), "SERIESMEAN"); }),
            Runtime::ErrorNumber::DuplicateKey);
  EXPECT_EQ(sections.Count(), 2);
  EXPECT_EQ(Raised([&] { sections.Add(nullptr); }), Runtime::ErrorNumber::ObjectNotSet);
  EXPECT_EQ(sections.Count(), 2);
}
