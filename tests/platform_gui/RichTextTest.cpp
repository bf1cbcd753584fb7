// The rich text box and its RTF: formatting and tab stops survive a round trip
// through RTF, and RTF from anywhere reads without harm.
#include "platform/RichText.h"
#include "platform/gui/RichTextBox.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

class Sheet : public Form {
 public:
  Sheet() : Form("Sheet") {
    box.Move(0, 0, 6000, 4000);
    copy.Move(0, 4000, 6000, 2000);
  }
  RichTextBox box{*this, "box"};
  RichTextBox copy{*this, "copy"};
};

// Appends a line at the end as the table window does.
void AddLine(RichTextBox& box, const std::string& text, bool bold, double size,
             const std::vector<int32_t>& tabs) {
  box.SetSelStart(static_cast<int>(box.Text().size()));
  box.SetSelLength(0);
  box.SetSelBold(bold);
  box.SetSelFontSize(size);
  box.SetSelTabCount(static_cast<int>(tabs.size()));
  for (size_t i = 0; i < tabs.size(); ++i) box.SetSelTabs(static_cast<int>(i), tabs[i]);
  box.SetSelText(text + "\r\n");
}

}  // namespace

TEST_F(FormsTest, RichTextKeepsParagraphsFormattingAndTabsThroughRtf) {
  auto sheet = std::make_shared<Sheet>();
  sheet->Show();
  RichTextBox& box = sheet->box;
  AddLine(box, "Title {x} \\ caf\xE9", true, 16, {1440});
  AddLine(box, "Sub", true, 12, {});
  AddLine(box, "Date\tValue", false, 10, {300, 2880});
  const std::string text = "Title {x} \\ caf\xE9\r\nSub\r\nDate\tValue\r\n";
  EXPECT_EQ(box.Text(), text);

  const std::string rtf = box.TextRTF();
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
  EXPECT_NE(rtf.find("caf\\'e9"), std::string::npos);
  EXPECT_NE(rtf.find("\\{x\\} \\\\"), std::string::npos);

  const RichDocument doc = ReadRtf(rtf);
  ASSERT_EQ(doc.Paragraphs.size(), 4u);
  EXPECT_EQ(doc.Paragraphs[0].Tabs, std::vector<int32_t>{1440});
  EXPECT_EQ(doc.Paragraphs[0].Runs, (std::vector<RichRun>{{"Title {x} \\ caf\xE9", true, 16}}));
  EXPECT_EQ(doc.Paragraphs[1].Runs, (std::vector<RichRun>{{"Sub", true, 12}}));
  EXPECT_EQ(doc.Paragraphs[2].Tabs, (std::vector<int32_t>{300, 2880}));
  EXPECT_EQ(doc.Paragraphs[2].Runs, (std::vector<RichRun>{{"Date\tValue", false, 10}}));

  sheet->copy.SetTextRTF(rtf);
  EXPECT_EQ(sheet->copy.Text(), text);
  EXPECT_EQ(sheet->copy.TextRTF(), rtf);
  sheet->copy.SetSelStart(static_cast<int>(text.find("Value")));
  EXPECT_FALSE(sheet->copy.SelBold());
  EXPECT_EQ(sheet->copy.SelTabCount(), 2);
  EXPECT_EQ(sheet->copy.SelTabs(1), 2880);

  // A selection across a line break, pasted elsewhere, brings its formatting.
  box.SetSelStart(static_cast<int>(text.find("Sub")));
  box.SetSelLength(static_cast<int>(text.find("Value") - text.find("Sub")));
  EXPECT_EQ(box.SelText(), "Sub\r\nDate\t");
  const std::string piece = box.SelRTF();
  sheet->copy.SetText("[]");
  sheet->copy.SetSelStart(1);
  sheet->copy.SetSelRTF(piece);
  EXPECT_EQ(sheet->copy.Text(), "[Sub\r\nDate\t]");
  sheet->copy.SetSelStart(2);
  EXPECT_TRUE(sheet->copy.SelBold());
  EXPECT_EQ(sheet->copy.SelFontSize(), 12);
}

TEST(RichText, ReadsOtherProgramsRtfAndDamagedRtfWithoutHarm) {
  const RichDocument foreign = ReadRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "{\\*\\generator W;}{\\info{\\title T}}\\pard\\plain\\fs20 caf\\u233\\'e9 "
      "{\\pict\\picw1 0a0b}\\bin2 {}x\\b\\uc0\\u8364 \\par}");
  ASSERT_EQ(foreign.Paragraphs.size(), 2u);
  EXPECT_EQ(foreign.Paragraphs[0].Runs,
            (std::vector<RichRun>{{"caf\xE9 x", false, 10}, {"\x80", true, 10}}));

  const std::string good =
      WriteRtf({{{{100, 200}, {{"A\tB", true, 16}}}, {{}, {{"{\\}\xE9", false, 10}}}, {{}, {}}}});
  for (size_t length = 0; length <= good.size(); ++length) {
    const RichDocument cut = ReadRtf(good.substr(0, length));
    EXPECT_FALSE(cut.Paragraphs.empty());
  }
  EXPECT_EQ(ReadRtf(good).Paragraphs[1].Text(), "{\\}\xE9");
  EXPECT_EQ(ReadRtf("}}}{\\rtf1 a}}}{b").Paragraphs[0].Text(), "ab");
  EXPECT_EQ(ReadRtf(std::string(100000, '{') + "deep" + std::string(100000, '}') + "top")
                .Paragraphs[0]
                .Text(),
            "top");
  EXPECT_EQ(ReadRtf("{\\rtf1{\\*\\unknown{\\b x}}\\madeupword42 y\\bin999").Paragraphs[0].Text(),
            "y");
}
