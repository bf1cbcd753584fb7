#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QPrinter>

#include "platform/gui/PrinterSurface.h"
#include "platform/gui/RecordingSurface.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TempDir.h"

using namespace Platform;

TEST(PrinterSurface, PrintsToAReadablePdf) {
  TestSupport::TempDir dir;
  const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR");
  // Kept in the build folder so that a person can look at it.
  const std::filesystem::path pdf =
      std::filesystem::path(binary != nullptr ? binary : dir.Path().c_str()) /
      "PlatformGuiTests-print.pdf";
  std::filesystem::remove(pdf);
  {
    PrinterSurface printer(pdf.string());
    printer.SetOrientation(2);
    EXPECT_EQ(printer.Orientation(), 2);
    EXPECT_EQ(printer.TypeName(), "Printer");
    EXPECT_GT(printer.ScaleWidth(), printer.ScaleHeight());
    const double w = printer.ScaleWidth(), h = printer.ScaleHeight();
    const double u = w / 150;
    EXPECT_FALSE(printer.JobOpen());
    printer.Line(u, u, w - u, h - u, 0x02E0E0E0, LineShape::FilledBox);
    EXPECT_TRUE(printer.JobOpen());
    printer.SetDrawWidth(3);
    printer.Line(10 * u, 10 * u, w - 10 * u, h - 10 * u, 0xFF0000, LineShape::Box);
    printer.Line(10 * u, h - 10 * u, w - 10 * u, 10 * u, 0x0000FF);
    printer.Circle(w / 2, h / 2, 10 * u, 0x008000);
    printer.SetFontName("Arial");
    printer.SetFontSize(24);
    printer.SetCurrentX(12 * u);
    printer.SetCurrentY(12 * u);
    printer.Print("Printed ");
    printer.SetFontBold(true);
    printer.PrintLine("chart title");
    EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
    printer.SetFontBold(false);
    printer.SetFontSize(14);
    printer.DrawRotatedText("Rotated 90", 900, 12 * u, h / 2 + 20 * u);
    printer.DrawRotatedText("Rotated 45", 450, w / 2, h / 2);
    EXPECT_EQ(printer.Point(10, 10), -1);
    EXPECT_EQ(RaisedError([&] { printer.Cls(); }), 438);
    EXPECT_EQ(RaisedError([&] { printer.Image(); }), 438);
    EXPECT_EQ(RaisedError([&] { printer.SetOrientation(3); }), 380);
    EXPECT_TRUE(printer.JobOpen());  // the painter stays open until the job ends
    printer.EndDoc();
    EXPECT_FALSE(printer.JobOpen());
  }
  ASSERT_TRUE(std::filesystem::exists(pdf));
  std::ifstream in(pdf, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST(PrinterSurface, AnUnwritableFileIsAPrinterError) {
  PrinterSurface printer("/no/such/folder/out.pdf");
  EXPECT_EQ(RaisedError([&] { printer.Line(0, 0, 10, 10); }), 482);
  printer.EndDoc();
}

TEST(PrinterSurface, TextsAreMeasuredAtThePrintersResolution) {
  TestSupport::TempDir dir;
  PrinterSurface printer((dir.Path() / "measure.pdf").string());
  printer.SetScaleMode(ScaleModes::Twips);
  printer.SetFontName("Arial");
  printer.SetFontSize(12);
  printer.QtPrinter().setResolution(300);
  const double at300 = printer.TextWidth("Measured text");
  // A resolution changed from outside (a print dialog) between two texts in
  // one font: the second is measured for the new one.
  printer.QtPrinter().setResolution(600);
  printer.SetFontSize(14);
  printer.SetFontSize(12);
  EXPECT_NEAR(printer.TextWidth("Measured text"), at300, at300 * 0.05);
}

TEST(PrinterSurface, LongTextGoesOnNewPagesAndTabsMoveToPrintZones) {
  TestSupport::TempDir dir;
  const std::filesystem::path pdf = dir.Path() / "pages.pdf";
  {
    PrinterSurface printer(pdf.string());
    printer.SetScaleMode(ScaleModes::Twips);
    printer.Print("A\tB");
    EXPECT_NEAR(printer.CurrentX(), 14 * printer.TextWidth("0") + printer.TextWidth("B"), 1);
    printer.SetCurrentX(0);
    printer.SetCurrentY(0);
    const int lines = static_cast<int>(printer.ScaleHeight() / printer.TextHeight("X")) + 10;
    std::string text;
    for (int i = 1; i <= lines; ++i) text += "Row " + std::to_string(i) + "\t1.5\r\n";
    printer.Print(text);
    // Ten lines ran onto the second page; the position follows them there.
    EXPECT_NEAR(printer.CurrentY(), 10 * printer.TextHeight("X"), printer.TextHeight("X"));
    printer.EndDoc();
  }
  EXPECT_EQ(TestSupport::PdfPages(pdf), 2u);
}

// Pages three lines high: each page gets its own lines before the next starts.
class PagedRecording : public RecordingSurface {
 public:
  std::vector<size_t> PageStarts;  // records made before each new page
 protected:
  bool LineFits(double y, double lineHeight) override { return y + lineHeight <= 30; }
  void StartNextPage() override {
    PageStarts.push_back(Records().size());
    SetCurrentY(0);
  }
};

TEST(PrinterSurface, EachPageGetsItsLinesBeforeTheNextStarts) {
  PagedRecording paged;
  paged.Print("1\r\n2\r\n3\r\n4\r\n5");
  const auto prints = paged.RecordsOf("PrintLine");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].Text, "1\r\n2\r\n3\r\n");
  EXPECT_EQ(paged.PageStarts, std::vector<size_t>{1});
  EXPECT_EQ(paged.RecordsOf("Print")[0].Text, "4\r\n5");
  EXPECT_EQ(paged.CurrentY(), 10);
}
