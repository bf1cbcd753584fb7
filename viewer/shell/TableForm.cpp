#include "viewer/shell/TableForm.h"

#include <algorithm>
#include <cmath>

#include "common/MathsFunctions.h"
#include "common/StringFunctions.h"
#include "common/WindowsXPButtons.h"
#include "graph/model/GraphControlLimit.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/GraphStats.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphValueCol.h"
#include "graph/model/GraphValueFormat.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabel.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/Surface.h"
#include "runtime/Conversions.h"
#include "runtime/Regional.h"
#include "runtime/Strings.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/ShellPictures.h"

namespace Kordex {

namespace {

const std::string kCrLf = "\r\n";
// The room GetTabStops gives each column beyond its text.
const std::string kBlanks(10, ' ');

std::vector<std::string> Pieces(const std::string& text, const std::string& separator) {
  const Runtime::CollectionRef pieces = Common::SplitToCollection(text, separator, "");
  std::vector<std::string> result;
  result.reserve(static_cast<size_t>(pieces->Count()));
  for (int32_t i = 1; i <= pieces->Count(); ++i) result.push_back(Runtime::CStr(pieces->Item(i)));
  return result;
}

Runtime::Variant YOf(const Runtime::Variant& item) {
  return Dravex::ObjectFrom<Dravex::GraphValue>(item)->Y();
}

int32_t Twips(double width) {
  return static_cast<int32_t>(Runtime::RoundHalfEven(width));
}

// A statistic of a series in its value format with two more decimals; a series
// without any value (all gaps) gets an empty cell.
std::string StatisticCell(Dravex::GraphSeries& series, bool mean) {
  const Runtime::Collection& values = *series.Values()->Col();
  if (Common::CountOf(values, YOf) == 0) return {};
  const std::shared_ptr<Dravex::GraphValueFormat> format = series.ValueFormat();
  const int16_t digits = format->DigitsAfterDecimal();
  struct Restore {
    Dravex::GraphValueFormat& format;
    int16_t digits;
    ~Restore() { format.DigitsAfterDecimal(digits); }
  } restore{*format, digits};
  // Two decimals more than the values show; a format left at the regional
  // number of decimals (-1) starts from that number.
  const int16_t shown =
      digits == -1 ? static_cast<int16_t>(Runtime::RegionalSettings::Current().Decimals) : digits;
  format->DigitsAfterDecimal(static_cast<int16_t>(shown + 2));
  return format->FormatValue(mean ? Common::MeanOf(values, YOf)
                                  : Common::StdDevOf(values, Common::StdDevPopulation, YOf));
}

std::string LimitCell(Dravex::GraphSeries& series, Dravex::enuLimits index) {
  const std::shared_ptr<Dravex::GraphControlLimit> limit = series.StatsAlarms()->Limits(index);
  return limit ? Runtime::CStr(Runtime::Variant(limit->Value())) : std::string();
}

}  // namespace

TableForm::TableForm() : Platform::Form("TableForm", Kind::MdiChild) {
  SetClientSize(6735, 6585);
  // F5, Tab and Esc reach the window while the box has the focus.
  SetKeyPreview(true);
  SetIcon(ShellPicture("CreateTable"));
  TableText.Move(0, 0, 6615, 6495);
  keyPress_ = TableText.KeyPress.Connect([this](int16_t& key) { TableText_KeyPress(key); });
  mouseUp_ =
      TableText.MouseUp.Connect([this](int16_t& button, int16_t& shift, double& x, double& y) {
        TableText_MouseUp(button, shift, x, y);
      });
}

TableForm::~TableForm() = default;

void TableForm::AddText(const std::string& Text, bool Bold, int16_t Size,
                        const TabStopArray* TabStops) {
  TableText.SetSelStart(static_cast<int>(TableText.Text().size()));
  TableText.SetSelLength(0);
  TableText.SetSelBold(Bold);
  TableText.SetSelFontSize(Size);
  if (TabStops != nullptr && !TabStops->empty()) {
    TableText.SetSelTabCount(static_cast<int>(TabStops->size()));
    for (size_t i = 0; i < TabStops->size(); ++i)
      TableText.SetSelTabs(static_cast<int>(i), (*TabStops)[i]);
  }
  // The box wraps its lines at the right margin: it stays wide enough for
  // every line so far, a tabbed line reaching past its last stop by its last
  // cell, so that a table wider than the window scrolls instead of wrapping.
  double width = std::max(Drawing().TextWidth(Text), TableText.Width());
  if (TabStops != nullptr) {
    const std::vector<std::string> cells = Pieces(Text, "\t");
    const size_t last = cells.empty() ? 0 : std::min(cells.size() - 1, TabStops->size());
    if (last > 0)
      width = std::max(width, (*TabStops)[last - 1] + Drawing().TextWidth(cells[last] + kBlanks));
  }
  TableText.SetRightMargin(std::max(TableText.RightMargin(), Twips(width)));
  TableText.SetSelText(Text + kCrLf);
}

void TableForm::CreateTable(const std::shared_ptr<Dravex::Graph>& Graph) {
  Dravex::Graph& graph = *Graph;
  const std::shared_ptr<Dravex::GraphSeriesCol> seriesCol = graph.Series();
  std::vector<std::shared_ptr<Dravex::GraphSeries>> series;
  for (int16_t s = 1; s <= seriesCol->Count(); ++s) series.push_back(seriesCol->Item(s));
  const std::shared_ptr<Dravex::GraphXAxis> xAxis = graph.XAxis();
  const std::shared_ptr<Dravex::GraphXAxisLabelCol> labels = xAxis->Labels();

  std::string data = xAxis->Title()->Text();
  for (const auto& s : series) data += "\t" + s->Title()->Text();
  for (int16_t j = 1; j <= labels->Count(); ++j) {
    data += kCrLf + labels->Item(j)->Label();
    for (const auto& s : series) {
      const std::shared_ptr<Dravex::GraphValueCol> values = s->Values();
      data += "\t";
      if (values->Count() >= j) data += s->ValueFormat()->FormatValue(values->Item(j)->Y());
    }
  }

  std::string stats = "Mean";
  for (const auto& s : series) stats += "\t" + StatisticCell(*s, true);
  stats += kCrLf + "Std Dev";
  for (const auto& s : series) stats += "\t" + StatisticCell(*s, false);
  stats += kCrLf + "U.S.L.";
  for (const auto& s : series) stats += "\t" + LimitCell(*s, Dravex::enuLimits::UpperLimit);
  stats += kCrLf + "L.S.L.";
  for (const auto& s : series) stats += "\t" + LimitCell(*s, Dravex::enuLimits::LowerLimit);

  const TabStopArray stops = GetTabStops(data + kCrLf + stats);
  AddText(graph.MainPrefix()->Text() + graph.MainTitle()->Text(), true, 16, &stops);
  AddText("", true, 16, &stops);
  AddText(graph.SubTitle()->Text(), true, 12, &stops);
  AddText("", true, 12, &stops);
  const std::vector<std::string> dataLines = Pieces(data, kCrLf);
  for (size_t i = 0; i < dataLines.size(); ++i) {
    const TabStopArray line = GetAdjustedTabStops(dataLines[i], stops);
    AddText(dataLines[i], i == 0, 10, &line);
  }
  AddText("", false, 10, &stops);
  AddText("Stats", true, 10, &stops);
  for (const std::string& statsLine : Pieces(stats, kCrLf)) {
    const TabStopArray line = GetAdjustedTabStops(statsLine, stops);
    AddText(statsLine, false, 10, &line);
  }
  AddText("", false, 10, &stops);
  AddText(graph.FootNote()->Text(), false, 10, &stops);
  // The window opens on the table's title.
  TableText.SetSelStart(0);
}

TabStopArray TableForm::GetTabStops(const std::string& Text) {
  const std::vector<std::string> lines = Pieces(Text, kCrLf);
  if (lines.empty()) return {0};
  const size_t columns = Pieces(lines.front(), "\t").size();
  if (columns < 2) return {0};
  TabStopArray edges(columns - 1, 0);
  Platform::Surface& surface = Drawing();
  for (const std::string& line : lines) {
    const std::vector<std::string> cells = Pieces(line, "\t");
    // A line with more cells than the first gives its extra cells no edge.
    for (size_t j = 1; j < cells.size() && j <= edges.size(); ++j) {
      std::string measured = cells[j] + kBlanks;
      if (j == 1) measured += cells[0] + kBlanks;
      edges[j - 1] = std::max(edges[j - 1], Twips(surface.TextWidth(measured)));
    }
  }
  for (size_t j = 1; j < edges.size(); ++j) edges[j] += edges[j - 1];
  return edges;
}

TabStopArray TableForm::GetAdjustedTabStops(const std::string& Text, const TabStopArray& TabStops) {
  std::vector<std::string> cells = Pieces(Text, "\t");
  if (cells.size() < 2) return {0};
  while (cells.size() <= TabStops.size()) cells.emplace_back();
  // Cells beyond the given edges get no stops.
  const size_t count = std::min(cells.size() - 1, TabStops.size());
  TabStopArray stops(count);
  Platform::Surface& surface = Drawing();
  for (size_t j = 0; j < count; ++j)
    stops[j] = TabStops[j] - Twips(surface.TextWidth(cells[j + 1]));
  return stops;
}

void TableForm::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void TableForm::Form_Load() {
  Common::InitialiseCommonControls();
}

void TableForm::Form_Activate() {
  ParentMainForm().SetToolBars(true);
}

void TableForm::Form_Resize() {
  const double width = ScaleWidth() - 2 * TableText.Left();
  if (width > 0) TableText.SetWidth(width);
  const double height = ScaleHeight() - 2 * TableText.Top();
  if (height > 0) TableText.SetHeight(height);
}

void TableForm::Form_KeyDown(int16_t& KeyCode, int16_t& /*Shift*/) {
  ReportWindowKeyDown(KeyCode);
}

void TableForm::Form_KeyPress(int16_t& KeyAscii) {
  ReportWindowKeyPress(*this, KeyAscii);
}

void TableForm::Form_Unload(int16_t& /*Cancel*/) {
  MainForm& main = ParentMainForm();
  --KordexModule::TableCount;
  main.RemoveFromReportList(*this);
  main.SetToolBars(false);
}

void TableForm::TableText_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii != Platform::KeyCodes::Tab && KeyAscii != Platform::KeyCodes::Escape) return;
  Form_KeyPress(KeyAscii);
  KeyAscii = 0;
}

void TableForm::TableText_MouseUp(int16_t& Button, int16_t& /*Shift*/, double& X, double& Y) {
  if (Button != Platform::MouseButtons::Right) return;
  double x = X, y = Y;
  TableText.TwipsToWindow(x, y);
  ParentMainForm().ToolBars->PopupMenu(Runtime::Variant("Edit"), x, y);
}

}  // namespace Kordex
