// The toolbar's commands on real chart, table and line-status windows: tool
// states, the clipboard, lines, window arrangement and printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <filesystem>
#include <fstream>

#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabel.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/RichText.h"
#include "platform/SettingsStore.h"
#include "platform/gui/Application.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/Forms.h"
#include "platform/gui/PrinterSurface.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "tests/support/DesktopPopups.h"
#include "tests/support/PdfPages.h"
#include "tests/support/Raised.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/LineStatusForm.h"
#include "viewer/shell/MainToolBar.h"
#include "viewer/shell/TableForm.h"

using Platform::Clipboard;
using Platform::ClipboardFormat;
using Runtime::Variant;

class ToolbarCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    StartMainWindow();
  }

  std::shared_ptr<Platform::Tool> Tool(const std::string& id) {
    return mainForm->ToolBars->Tools()->Item(Variant(id));
  }
  void Click(const std::string& id) { mainForm->ToolBars_ToolClick(Tool(id)); }

  // The enabled tools among those whose state depends on the windows.
  std::string EnabledTools() {
    std::string enabled;
    for (const char* id : {"Close", "Print", "Save", "MinimiseAll", "MaximiseAll", "ArrangeIcons",
                           "Cascade", "TileHorizontal", "TileVertical", "Copy", "ManualUpdate",
                           "CreateTable", "Graphs", "Cut", "Paste"})
      if (Tool(id)->Enabled()) enabled += std::string(enabled.empty() ? "" : " ") + id;
    return enabled;
  }

  // A chart window with a series of count points, listed in the report list.
  std::shared_ptr<Kordex::ChartForm> Chart(int count = 3) {
    auto chart = mainForm->CreateNewChartForm();
    chart->SetCaption("Efficiency By Date For Line 1");
    Dravex::Graph& graph = *chart->PRDGraph.Object();
    graph.SetTitles("", "Efficiency", "By Date", "Line 1", "Date");
    graph.AddSeries("Efficiency", Dravex::SeriesStyleType::LineGraph);
    for (int i = 1; i <= count; ++i) {
      graph.AddValue(Variant("Efficiency"), Variant(40 + i % 7));
      graph.XAxis()->Labels()->Item(static_cast<int16_t>(i))->Label("Day " + std::to_string(i));
    }
    mainForm->AddToReportList(*chart);
    return chart;
  }

  std::shared_ptr<Kordex::TableForm> TableOf(Kordex::ChartForm& chart) {
    chart.SetFocus();
    QApplication::processEvents();
    Click("CreateTable");
    return std::dynamic_pointer_cast<Kordex::TableForm>(mainForm->ActiveForm()->shared_from_this());
  }

  void PrintTo(const std::filesystem::path& pdf) {
    Platform::PrinterRequest answer;
    answer.OutputFileName = pdf.string();
    responder->PrinterAnswers.push_back(answer);
    Click("Print");
  }
};

TEST_F(ToolbarCommandsTest, ToolStatesFollowTheWindows) {
  EXPECT_EQ(EnabledTools(), "");
  auto chart = Chart();
  auto table = TableOf(*chart);
  ASSERT_TRUE(table);
  const std::string all =
      "Close Print Save MinimiseAll MaximiseAll ArrangeIcons Cascade TileHorizontal "
      "TileVertical Copy ManualUpdate";
  mainForm->SetToolBars(true);
  EXPECT_EQ(EnabledTools(), all + " Cut Paste");
  mainForm->SetToolBars(false);
  EXPECT_EQ(EnabledTools(), all + " CreateTable Graphs Cut Paste");
  chart->SetFocus();
  QApplication::processEvents();
  mainForm->SetToolBars(true);
  EXPECT_EQ(EnabledTools(), all + " CreateTable Graphs");

  // A table alone: no manual update, no chart tools; Cut and Paste go with it.
  chart->Unload();
  table->SetFocus();
  QApplication::processEvents();
  mainForm->SetToolBars(true);
  EXPECT_EQ(EnabledTools(),
            "Close Print Save MinimiseAll MaximiseAll ArrangeIcons Cascade TileHorizontal "
            "TileVertical Copy Cut Paste");
  table->Unload();
  EXPECT_EQ(EnabledTools(), "");
}

TEST_F(ToolbarCommandsTest, CopyCutAndPasteOfATable) {
  auto chart = Chart();
  auto table = TableOf(*chart);
  Platform::RichTextBox& box = table->TableText;
  const std::string text = box.Text();
  EXPECT_NE(text.find("Day 2\t42"), std::string::npos) << text;

  Click("Copy");
  EXPECT_EQ(Clipboard::GetText(), text);
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), box.TextRTF());

  const int start = static_cast<int>(text.find("Day 2"));
  box.SetSelStart(start);
  box.SetSelLength(7);
  Click("Copy");
  EXPECT_EQ(Clipboard::GetText(), "Day 2\t4");
  EXPECT_EQ(Platform::ReadRtf(Clipboard::GetText(ClipboardFormat::RichText)).Paragraphs[0].Text(),
            "Day 2\t4");

  // Plain text alone is not pasted.
  Clipboard::Clear();
  Clipboard::SetText("plain");
  Click("Paste");
  EXPECT_EQ(box.Text(), text);

  Click("Cut");
  EXPECT_EQ(box.Text(), text.substr(0, static_cast<size_t>(start)) + text.substr(start + 7));
  EXPECT_EQ(Clipboard::GetText(), "Day 2\t4");
  Click("Paste");
  EXPECT_EQ(box.Text(), text);

  // Without a table, Cut and Paste do nothing; Copy of a chart is its picture.
  chart->SetFocus();
  QApplication::processEvents();
  Click("Cut");
  Click("Copy");
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_EQ(box.Text(), text);
}

// The report menus the constraint sets pop up, on the desktop, picked with the
// keyboard: one ToolClick each.
TEST_F(ShellTest, TheReportMenusPickRunsItsClickOnce) {
  responder = std::make_shared<TestSupport::DesktopPopups>();
  Platform::SetResponder(responder);
  auto bar = std::make_shared<Platform::ToolBarControl>();
  Platform::ApplyDesign(*bar, Kordex::MainToolBarDesign());
  std::vector<std::string> clicked;
  bar->ToolClick.Connect(
      [&](const std::shared_ptr<Platform::Tool>& tool) { clicked.push_back(tool->ID()); });
  for (const char* menu : {"CompWast", "CompWastSelect", "BoardCountSelect"}) {
    TestSupport::PopupKeys person({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    bar->PopupMenu(Variant(menu), 0.0, 0.0);
  }
  EXPECT_EQ(clicked,
            (std::vector<std::string>{"Product", "CompWastePercent", "BoardCountAccumulated"}));
}

namespace {

// A clipboard manager that puts what it kept, a picture and a text, back on the
// clipboard whenever the clipboard turns empty.
class ClipboardManagerStandIn {
 public:
  ClipboardManagerStandIn() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    watch_ = QObject::connect(clipboard, &QClipboard::changed, [clipboard](QClipboard::Mode mode) {
      const QMimeData* now = clipboard->mimeData();
      if (mode != QClipboard::Clipboard || (now != nullptr && !now->formats().isEmpty())) return;
      QImage picture(4, 4, QImage::Format_RGB32);
      picture.fill(Qt::red);
      auto* kept = new QMimeData;
      kept->setImageData(picture);
      kept->setText(QStringLiteral("kept"));
      clipboard->setMimeData(kept);
    });
  }
  ~ClipboardManagerStandIn() { QObject::disconnect(watch_); }

 private:
  QMetaObject::Connection watch_;
};

}  // namespace

TEST_F(ToolbarCommandsTest, CopyBesideAClipboardManagerPutsExactlyWhatWasCopied) {
  auto chart = Chart();
  auto table = TableOf(*chart);
  ClipboardManagerStandIn manager;
  Click("Copy");
  EXPECT_EQ(Clipboard::GetText(), table->TableText.Text());
  EXPECT_EQ(Clipboard::GetText(ClipboardFormat::RichText), table->TableText.TextRTF());
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Bitmap));

  chart->SetFocus();
  QApplication::processEvents();
  Click("Copy");
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Bitmap));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_FALSE(Clipboard::GetFormat(ClipboardFormat::RichText));
}

TEST_F(ToolbarCommandsTest, LineSelectionAndWindowArrangement) {
  // A line the demo data beside the program does not have.
  auto line = mainForm->ToolBars->Tools()->Add("Line97");
  line->SetCaption("Line  97");
  line->SetTagVariant(Variant(int16_t{97}));
  mainForm->ToolBars_ToolClick(line);
  EXPECT_EQ(mainForm->Caption(), "Tavro Kordex  Line  97");
  EXPECT_EQ(Platform::GetSetting("TavroKordex", "Initialise", "Production Line", ""), "97");
  auto other = mainForm->ToolBars->Tools()->Add("LineUp");
  other->SetCaption("Upper");
  mainForm->ToolBars_ToolClick(other);
  EXPECT_EQ(mainForm->Caption(), "Tavro Kordex  Line  97");

  auto chart = Chart();
  auto second = Chart();
  auto status = mainForm->CreateNewStatusForm();
  mainForm->AddToReportList(*status);
  second->SetWindowState(Platform::WindowStates::Maximised);
  Click("MinimiseAll");
  for (Platform::Form* form :
       {static_cast<Platform::Form*>(chart.get()), static_cast<Platform::Form*>(second.get()),
        static_cast<Platform::Form*>(status.get())})
    EXPECT_EQ(form->WindowState(), Platform::WindowStates::Minimised);
  // A report-list entry brings its window back.
  Click(chart->Tag());
  EXPECT_EQ(chart->WindowState(), Platform::WindowStates::Normal);
  Click("MaximiseAll");
  for (Platform::Form* form : Platform::Forms::All())
    if (form != mainForm.get()) {
      EXPECT_EQ(form->WindowState(), Platform::WindowStates::Normal);
    }
}

TEST_F(ToolbarCommandsTest, PrintingChartsAndTables) {
  TestSupport::TempDir dir;
  auto chart = Chart(200);
  auto table = TableOf(*chart);

  // Cancelled: nothing printed.
  Click("Print");
  EXPECT_EQ(responder->PrinterRequests.size(), 1u);
  EXPECT_FALSE(Platform::PrinterSurface::Default().JobOpen());

  PrintTo(dir.Path() / "table.pdf");
  EXPECT_EQ(Platform::PrinterSurface::Default().Orientation(), 1);
  EXPECT_GT(TestSupport::PdfPages(dir.Path() / "table.pdf"), 2u);

  chart->SetFocus();
  QApplication::processEvents();
  PrintTo(dir.Path() / "chart.pdf");
  EXPECT_EQ(Platform::PrinterSurface::Default().Orientation(), 2);
  EXPECT_EQ(TestSupport::PdfPages(dir.Path() / "chart.pdf"), 1u);
  EXPECT_NE(chart->PRDGraph.Object()->Frame().get(), &Platform::PrinterSurface::Default());

  // A job that cannot start is abandoned and reported; the graph draws on its
  // own canvas again.
  EXPECT_EQ(TestSupport::Raised([&] { PrintTo("/no/such/folder/chart.pdf"); }), 482);
  EXPECT_FALSE(Platform::PrinterSurface::Default().JobOpen());
  EXPECT_NE(chart->PRDGraph.Object()->Frame().get(), &Platform::PrinterSurface::Default());
  if (const char* keep = std::getenv("TAVRO_KEEP_PRINTS")) {
    std::filesystem::copy_file(dir.Path() / "chart.pdf", std::filesystem::path(keep) / "chart.pdf",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(dir.Path() / "table.pdf", std::filesystem::path(keep) / "table.pdf",
                               std::filesystem::copy_options::overwrite_existing);
  }
  // Back to the printer for whatever prints next.
  Platform::PrinterSurface::Default().SetOutputFileName("");
}

TEST_F(ToolbarCommandsTest, SaveWritesTheTablesRichText) {
  TestSupport::TempDir dir;
  auto chart = Chart(12);
  auto table = TableOf(*chart);
  mainForm->SetWidth(12000);
  mainForm->SetHeight(8000);
  table->Move(0, 0, 7000, 6000);
  const std::string rtf = (dir.Path() / "Table.rtf").string();
  responder->FileAnswers.push_back(rtf);
  Click("Save");
  std::ifstream in(rtf, std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string text;
  for (const auto& paragraph : Platform::ReadRtf(saved).Paragraphs)
    text += paragraph.Text() + "\r\n";
  EXPECT_EQ(text, table->TableText.Text() + "\r\n");
  if (const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR")) {
    Platform::DoEvents();
    mainForm->Snapshot().Save(std::string(binary) + "/TableWindow.png");
    std::filesystem::copy_file(rtf, std::string(binary) + "/Table.rtf",
                               std::filesystem::copy_options::overwrite_existing);
  }
}

TEST_F(ToolbarCommandsTest, GraphsDropsTheGraphsMenuUnderItsEntry) {
  auto chart = Chart();
  chart->SetFocus();
  QApplication::processEvents();
  Click("Graphs");
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  const auto graphs = Tool("Graphs");
  // Screen pixels: the main window's corner plus the point under the entry.
  const int cornerX = responder->ToolPopups[0].X - graphs->Left();
  const int cornerY = responder->ToolPopups[0].Y - (graphs->Top() + graphs->Height());
  EXPECT_GT(graphs->Left(), 0);
  EXPECT_EQ(cornerX, cornerY);
  EXPECT_LT(std::abs(cornerX), 10);

  // A table active: no graph, no menu.
  auto table = TableOf(*chart);
  Click("Graphs");
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
}
