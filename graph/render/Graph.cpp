#include "graph/render/Graph.h"

#include <algorithm>
#include <cmath>

#include "common/CollectionFunctions.h"
#include "graph/model/GraphOrdering.h"
#include "graph/model/GraphRegion.h"
#include "graph/model/GraphSelection.h"
#include "graph/model/ObjectAccess.h"
#include "graph/model/TavroGraph.h"
#include "graph/model/XBarConstants.h"
#include "graph/render/DetachedGraphSite.h"
#include "graph/render/GraphPreferenceServices.h"
#include "platform/gui/GraphsMenu.h"
#include "platform/gui/ToolBarDesign.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Dravex {

namespace {

std::shared_ptr<GraphText> Text(const std::string& text) {
  auto made = std::make_shared<GraphText>();
  made->Text(text);
  return made;
}

std::shared_ptr<GraphText> TitleText(const std::string& text, GraphColour colour) {
  auto made = Text(text);
  made->Font("Arial Black");
  made->Colour(colour);
  made->Size(12);
  return made;
}

}  // namespace

Graph::Graph() = default;

Graph::~Graph() {
  UserControl_Terminate();
}

std::shared_ptr<Graph> Graph::New(std::shared_ptr<GraphSite> site) {
  const bool offScreen = !site;
  std::shared_ptr<Graph> graph(new Graph());
  graph->Site(std::move(site));
  graph->UserControl_Initialize();
  auto bars = std::make_shared<Platform::ToolBarControl>();
  Platform::ApplyDesign(*bars, Platform::GraphsMenuDesign());
  graph->ToolBars(std::move(bars));
  // No form will size a control made off screen: it is laid out in its
  // default extent now, as a form lays a control out when it shows it.
  if (offScreen) graph->UserControl_Resize();
  return graph;
}

void Graph::Site(std::shared_ptr<GraphSite> site) {
  if (!site) site = std::make_shared<DetachedGraphSite>();
  const bool onCanvas = site_ && drawingSurface_ && drawingSurface_ == Canvas().Surface();
  constituentHooks_.clear();
  gParentUnload_.Disconnect();
  site_ = std::move(site);
  if (onCanvas) drawingSurface_ = Canvas().Surface();

  GraphSite& parts = *site_;
  constituentHooks_.push_back(Hook(parts.Resized, &Graph::UserControl_Resize));
  constituentHooks_.push_back(Hook(parts.GXScroll().Change, &Graph::GXScroll_Change));
  constituentHooks_.push_back(Hook(parts.GXScroll().Scroll, &Graph::GXScroll_Scroll));
  constituentHooks_.push_back(Hook(parts.Canvas().MouseDown, &Graph::Canvas_MouseDown));
  constituentHooks_.push_back(Hook(parts.Canvas().MouseMove, &Graph::Canvas_MouseMove));
  constituentHooks_.push_back(Hook(parts.Canvas().MouseUp, &Graph::Canvas_MouseUp));
  constituentHooks_.push_back(Hook(parts.Canvas().Click, &Graph::Canvas_Click));
  constituentHooks_.push_back(Hook(parts.DblClickClock().Tick, &Graph::DblClickClock_Timer));
  constituentHooks_.push_back(Hook(parts.KeyDown, &Graph::UserControl_KeyDown));
  if (toolBars_) parts.HostToolBars(*toolBars_);
}

void Graph::ToolBars(std::shared_ptr<Platform::ToolBarControl> value) {
  toolClick_.Disconnect();
  toolBars_ = std::move(value);
  if (!toolBars_) return;
  toolClick_ = Hook(toolBars_->ToolClick, &Graph::ToolBars_ToolClick);
  site_->HostToolBars(*toolBars_);
}

template <class... Args>
Platform::ScopedConnection Graph::Hook(Platform::Event<Args...>& event,
                                       void (Graph::*handler)(Args...)) {
  // Weak: the constituents belong to the control, and must not keep it alive.
  return event.Connect([graph = weak_from_this(), handler](Args... args) {
    if (const auto alive = graph.lock()) ((*alive).*handler)(args...);
  });
}

void Graph::UserControl_Initialize() {
  series_ = std::make_shared<GraphSeriesCol>();
  series_->Parent(weak_from_this());
  sections_ = std::make_shared<GraphSectionCol>();
  regions_ = std::make_shared<GraphRegionCol>();
  graphType_ = GraphType::TwoD;

  yAxisList_ = std::make_shared<Runtime::Collection>();
  for (int axis = 1; axis <= 2; ++axis) {
    yAxisList_->Add(Runtime::Variant(std::make_shared<GraphYAxis>()));
  }

  scrollBarDirection_ = ScrollBarDirectionType::ScrollBarRight;
  firstSelected_ = 1;
  lastSelected_ = 1;
  preferenceDisplayFlag_ = true;

  const auto y1 = YAxis(1);
  y1->Name("Y1");
  y1->Title()->Text("Y1 Axis");
  const auto y2 = YAxis(2);
  y2->Enabled(false);
  y2->Name("Y2");
  y2->Title()->Text("Y2 Axis");

  nullSpace_ = std::make_shared<GraphShapeStyle>();
  nullSpace_->FillStyle(1);
  nullSpace_->LineStyle(5);
  nullSpace_->FillColour(0x02F0F0F0);
  nullSpace_->LineColour(0x02F0F0F0);

  xAxis_ = std::make_shared<GraphXAxis>();
  xAxis_->SetParent(this);

  mainTitle_ = TitleText("Main Title", 0x02800000);
  legendText_ = Text("Legend");
  mainPrefix_ = TitleText("Line", 0x028080FF);
  subTitle_ = Text("Sub Title");
  subTitle_->Colour(0x02FFFFFF);
  footNote_ = Text("Foot Note");

  for (const char* key : {"Main", "Graph", "Y1", "Y2", "Legend", "X", "Window"}) {
    regions_->Add(std::make_shared<GraphRegion>(), key);
  }

  drawingSurface_ = Canvas().Surface();
  backGround_ = 0x02F0F0F0;
  surroundColour_ = 0x02E0E0E0;
  localDraw_ = true;
  autoUpdate_ = false;
  displayFootNote_ = true;

  xBarA2_ = std::make_shared<Runtime::Collection>();
  xBarD3_ = std::make_shared<Runtime::Collection>();
  xBarD4_ = std::make_shared<Runtime::Collection>();
  SetUpXBarConstants();
}

void Graph::SetUpXBarConstants() {
  XBarConstants::SetUpXBarConstants(*xBarA2_, *xBarD3_, *xBarD4_);
}

void Graph::ShowPreferences(Dravex::GraphPreferences graphPreference) {
  const std::shared_ptr<Graph> keepAlive = shared_from_this();
  GraphPreferenceServices::Current()->ShowPreferences(*this, graphPreference);
}

void Graph::UserControl_Resize() {
  GraphHScrollBar& scroll = site_->GXScroll();
  GraphPictureBox& canvas = site_->Canvas();
  const double width = site_->ScaleWidth();
  const double height = site_->ScaleHeight();

  scroll.Move(0, height - scroll.Height(), width, scroll.Height());
  const double canvasHeight = scroll.Visible() ? std::max(height - scroll.Height(), 0.0) : height;
  canvas.Move(0, 0, width, canvasHeight);
  site_->TempCanvas().Move(canvas.Left(), canvas.Top(), canvas.Width(), canvas.Height());

  // A printer or a host's picture box keeps the window it was drawn with.
  const std::shared_ptr<Platform::Surface> surface = canvas.Surface();
  if (drawingSurface_ && drawingSurface_ == surface) {
    const std::shared_ptr<GraphRegion> window = Regions()->Item("Window");
    window->X1(0);
    window->Y1(0);
    window->X2(static_cast<float>(surface->ScaleWidth()));
    window->Y2(static_cast<float>(surface->ScaleHeight()));
  }
  if (autoUpdate_) Draw(false);
}

void Graph::AddSeries(const std::string& name, SeriesStyleType seriesStyle, YAxisType whichAxis,
                      int32_t& colour) {
  const int16_t before = Series()->Count();
  const auto series = GraphSeries::New();
  series->SeriesStyle(seriesStyle);
  series->WhichAxis(whichAxis);
  const Runtime::Variant axis(static_cast<int32_t>(whichAxis));
  ObjectFrom<GraphYAxis>(Required(yAxisList_)->Item(axis))->Enabled(true);
  series->Title(Text(name));
  if (colour < 0) colour = TavroGraph::DefaultSeriesColour(before + 1);
  series->Title()->Colour(colour);
  series->Colour(colour);
  series->PointStyle(static_cast<PointStyleType>(before % 5));
  Series()->Add(series, name);
}

void Graph::AddSeries(const std::string& name, SeriesStyleType seriesStyle, YAxisType whichAxis) {
  int32_t colour = -1;
  AddSeries(name, seriesStyle, whichAxis, colour);
}

void Graph::AddValue(const Runtime::Variant& series, const Runtime::Variant& value1,
                     const Runtime::Variant& value2, const Runtime::Variant& tempValue,
                     int16_t& addWhere, AddType addHow) {
  AddValueTo(Series()->Item(series), value1, value2, tempValue, addWhere, addHow);
}

void Graph::AddValueTo(const std::shared_ptr<GraphSeries>& target, const Runtime::Variant& value1,
                       const Runtime::Variant& value2, const Runtime::Variant& tempValue,
                       int16_t& addWhere, AddType addHow) {
  target->AddValue(value1, value2, tempValue, addWhere, addHow);
  // Only the series that took the point is measured. The value collection has
  // mostly done this already; here labels get their position as value too.
  const int16_t points = target->Values()->Count();
  AppendMissingLabels(*this, points, true);
  ExtendXScroll(*this, points);
}

void Graph::AddValue(const Runtime::Variant& series, const Runtime::Variant& value1,
                     const Runtime::Variant& value2, const Runtime::Variant& tempValue) {
  int16_t addWhere = -1;
  AddValue(series, value1, value2, tempValue, addWhere, AddType::AddInsert);
}

void Graph::AddIncrements(const Runtime::Variant& series,
                          const std::vector<Increment>& increments) {
  const Runtime::Variant none = Runtime::Variant::Nothing();
  // Held while nothing but sums changes, which raises no event: no handler can
  // have given the graph another series, other points, labels or scroll bar.
  std::shared_ptr<GraphSeries> target;
  std::shared_ptr<GraphValueCol> values;
  bool fitted = false;
  for (const Increment& increment : increments) {
    if (!target) {
      target = Series()->Item(series);
      values = target->Values();
      fitted = false;
    }
    const int16_t position = increment.Position;
    if (position < 1 || position > values->Count() ||
        target->SeriesStyle() == SeriesStyleType::XYGraph) {
      // New points, Null gaps and what an XYGraph series refuses: the whole way.
      int16_t where = position;
      AddValueTo(target, increment.Y, none, increment.TempValue, where, AddType::AddIncrement);
      target.reset();
      continue;
    }
    values->Item(position)->Increment(increment.Y, increment.TempValue);
    if (fitted) continue;
    const int16_t points = values->Count();
    if (FitsLabelsAndScroll(*this, points)) {
      fitted = true;
      continue;
    }
    AppendMissingLabels(*this, points, true);
    ExtendXScroll(*this, points);
    target.reset();
  }
}

int16_t Graph::MaxWidth() {
  double width = XAxis()->Labels()->Count();
  for (const Runtime::Variant& item : *Series()->Col()) {
    const auto series = ObjectFrom<GraphSeries>(item);
    const auto values = series->Values();
    if (series->SeriesStyle() != SeriesStyleType::XYGraph) {
      width = std::max<double>(width, values->Count());
      continue;
    }
    for (const Runtime::Variant& point : *values->Col()) {
      const Runtime::Variant& x = ObjectFrom<GraphValue>(point)->X();
      // A point without an X needs no position.
      if (x.IsNull()) continue;
      const double value = Runtime::CDbl(x);
      width = std::max(width, value == std::floor(value) ? value : std::floor(value + 1));
    }
  }
  if (width > INT16_MAX) Runtime::Raise(Runtime::ErrorNumber::Overflow);
  return static_cast<int16_t>(width);
}

void Graph::RemoveValue(const Runtime::Variant& series, int16_t& removeWhere) {
  if (!Common::InCollection(*Series()->Col(), series).GetBoolean()) return;
  Series()->Item(series)->RemoveValue(removeWhere);

  int16_t longest = 0;
  for (const Runtime::Variant& item : *Series()->Col()) {
    longest = std::max(longest, ObjectFrom<GraphSeries>(item)->Values()->Count());
  }
  int16_t labelled = XAxis()->Labels()->Count();
  if (longest < labelled) {
    bool labelAction = true;
    RaiseNumLabels(SizeEventType::TooMany, labelAction);
    if (labelAction) {
      const auto labels = XAxis()->Labels();
      for (int32_t excess = labelled - longest; excess > 0; --excess) labels->Remove(longest + 1);
      labelled = longest;
      GraphHScrollBar& scroll = XScroll();
      if (longest < int32_t{XAxis()->Width()} + scroll.Max() && scroll.Visible()) {
        bool scrollBarAction = true;
        RaiseScrollBarSize(SizeEventType::TooMany, scrollBarAction);
        if (scrollBarAction) {
          if (scroll.Value() == scroll.Max()) {
            localDraw_ = false;
            scroll.Value(Count16(scroll.Value() - 1));
            localDraw_ = true;
          }
          scroll.Max(Count16(scroll.Max() - 1));
        }
      }
    }
  }
  if (XAxis()->Width() == std::max(labelled, longest)) {
    XScroll().Visible(false);
    UserControl_Resize();
  }
}

void Graph::RemoveValue(const Runtime::Variant& series) {
  int16_t removeWhere = -1;
  RemoveValue(series, removeWhere);
}

int16_t Graph::CountValue(const Runtime::Variant& series) {
  if (!Common::InCollection(*Series()->Col(), series).GetBoolean()) return 0;
  return Series()->Item(series)->Values()->Count();
}

LabelOrientaionType Graph::LabelOrientation() const {
  return XAxis()->LabelOrientation();
}

void Graph::LabelOrientation(LabelOrientaionType value) {
  XAxis()->LabelOrientation(value);
}

void Graph::SetUpStats() {
  SetUpStats(GraphStatistics::CurrentPlotWindow(*this));
}

void Graph::SetUpStats(const GraphStatistics::PlotWindow& window) {
  GraphStatistics::SetUpStats(*this, window);
}

std::shared_ptr<GraphSeriesCol> Graph::Series() const {
  return Required(series_);
}

void Graph::OrderSeries(const Runtime::Variant& series, OrderType direction, int16_t maxAmount) {
  GraphOrdering::OrderSeries(*this, series, direction, maxAmount);
}

void Graph::Pareto(const Runtime::Variant& series, const std::string& name, int16_t maxAmount) {
  GraphOrdering::Pareto(*this, series, name, maxAmount);
}

void Graph::AddMean(const Runtime::Variant& series, const Runtime::Variant& title,
                    const std::string& tag) {
  GraphStatistics::AddMean(*this, series, title, tag);
}

void Graph::AddBestFitLinear(const Runtime::Variant& series, bool ignoreZero,
                             const std::string& title, const std::string& tag) {
  GraphStatistics::AddBestFitLinear(*this, series, ignoreZero, title, tag,
                                    GraphStatistics::CurrentPlotWindow(*this));
}

void Graph::AddStdDev(const Runtime::Variant& series, int16_t numStdDev, Runtime::Variant& name,
                      const std::string& tag) {
  GraphStatistics::AddStdDev(*this, series, numStdDev, name, tag);
}

void Graph::AddStdDev(const Runtime::Variant& series, int16_t numStdDev) {
  Runtime::Variant name = Runtime::Variant::Missing();
  AddStdDev(series, numStdDev, name);
}

Runtime::Variant Graph::SeriesTotal(const Runtime::Variant& series) const {
  return GraphStatistics::SeriesTotal(*this, series);
}

float Graph::SeriesMean(const Runtime::Variant& series) const {
  return GraphStatistics::SeriesMean(*this, series);
}

float Graph::SeriesStdDev(const Runtime::Variant& series) const {
  return GraphStatistics::SeriesStdDev(*this, series);
}

std::shared_ptr<GraphSection> Graph::AddSection(
    const std::string& title, std::string& key, const Runtime::Variant& x1,
    const Runtime::Variant& y1, const Runtime::Variant& x2, const Runtime::Variant& y2,
    YAxisType yAxis, int32_t titlePosition, LabelOrientaionType orientation, GraphColour colour,
    SectionFloatType sectionFloat, SectionDisplayType sectionDisplay) {
  return GraphStatistics::AddSection(*Sections(), title, key, x1, y1, x2, y2, yAxis, titlePosition,
                                     orientation, colour, sectionFloat, sectionDisplay);
}

std::shared_ptr<GraphSection> Graph::AddSection(const std::string& title) {
  std::string key;
  return AddSection(title, key);
}

std::shared_ptr<Platform::Surface> Graph::Frame() const {
  if (!drawingSurface_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return drawingSurface_;
}

void Graph::Frame(std::shared_ptr<Platform::Surface> value) {
  drawingSurface_ = value ? std::move(value) : Canvas().Surface();
}

void Graph::SetTitles(const Runtime::Variant& mainPrefix, const Runtime::Variant& mainTitle,
                      const Runtime::Variant& subTitle, const Runtime::Variant& footNote,
                      const Runtime::Variant& xAxis, const Runtime::Variant& yAxis1,
                      const Runtime::Variant& yAxis2) {
  const auto set = [](const Runtime::Variant& text, auto title) {
    if (!text.IsMissing()) title()->Text(Runtime::CStr(text));
  };
  set(mainPrefix, [this] { return MainPrefix(); });
  set(mainTitle, [this] { return MainTitle(); });
  set(subTitle, [this] { return SubTitle(); });
  set(footNote, [this] { return FootNote(); });
  set(xAxis, [this] { return XAxis()->Title(); });
  const auto axes = Required(yAxisList_)->Count();
  if (axes >= 1) set(yAxis1, [this] { return YAxis(1)->Title(); });
  if (axes >= 2) set(yAxis2, [this] { return YAxis(2)->Title(); });
}

std::shared_ptr<GraphRegionCol> Graph::Regions() const {
  return Required(regions_);
}

std::shared_ptr<GraphSectionCol> Graph::Sections() const {
  return Required(sections_);
}

std::shared_ptr<GraphXAxis> Graph::XAxis() const {
  return Required(xAxis_);
}

void Graph::XAxis(std::shared_ptr<GraphXAxis> value) {
  if (xAxis_) xAxis_->SetParent(nullptr);
  xAxis_ = std::move(value);
  if (xAxis_) xAxis_->SetParent(this);
}

void Graph::Clear() {
  UserControl_Terminate();
  UserControl_Initialize();
}

std::shared_ptr<GraphText> Graph::SubTitle() const {
  return Required(subTitle_);
}

std::shared_ptr<GraphYAxis> Graph::YAxis(int16_t index) const {
  return ObjectFrom<GraphYAxis>(Required(yAxisList_)->Item(Runtime::Variant(index)));
}

void Graph::YAxis(int16_t index, std::shared_ptr<GraphYAxis> value) {
  if (!value) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  const Runtime::CollectionRef axes = Required(yAxisList_);
  const Runtime::Variant position(index);
  axes->Item(position);  // a bad index raises before anything changes
  axes->Add(Runtime::Variant(std::move(value)), Runtime::Variant::Missing(), position);
  axes->Remove(Runtime::Variant(static_cast<int16_t>(index + 1)));
}

void Graph::AddMeanRangeLimits(const Runtime::Variant& mean, const Runtime::Variant& range,
                               int16_t sampleSize) {
  XBarConstants::AddMeanRangeLimits(*this, *xBarA2_, *xBarD4_, mean, range, sampleSize);
}

float Graph::XBarRA2(int16_t number) const {
  return XBarConstants::XBarFactor(*xBarA2_, number);
}

float Graph::XBarRd4(int16_t number) const {
  return XBarConstants::XBarFactor(*xBarD4_, number);
}

float Graph::XBarRD3(int16_t number) const {
  return XBarConstants::XBarFactor(*xBarD3_, number);
}

GraphHScrollBar& Graph::XScroll() {
  return site_->GXScroll();
}

void Graph::UserControl_Terminate() {
  // A band or a pending click has nothing left to report on.
  EndInteraction();
  yAxisList_.reset();
  if (xAxis_) xAxis_->SetParent(nullptr);
  xAxis_.reset();
  mainTitle_.reset();
  legendText_.reset();
  mainPrefix_.reset();
  subTitle_.reset();
  footNote_.reset();
  regions_.reset();
  drawingSurface_.reset();
  series_.reset();
  sections_.reset();
}

void Graph::RemoveZeros(const Runtime::Variant& series, bool removeLabel) {
  GraphOrdering::RemoveZeros(*this, series, removeLabel);
}

void Graph::Percent(const Runtime::Variant& series) {
  GraphOrdering::Percent(*this, series);
}

std::shared_ptr<GraphShapeStyle> Graph::NullSpace() const {
  return Required(nullSpace_);
}

std::shared_ptr<GraphText> Graph::MainTitle() const {
  return Required(mainTitle_);
}

std::shared_ptr<GraphText> Graph::MainPrefix() const {
  return Required(mainPrefix_);
}

int16_t Graph::MousePointer() const {
  return Canvas().MousePointer();
}

void Graph::MousePointer(int16_t value) {
  Canvas().MousePointer(value);
}

void Graph::ClearSelection() {
  GraphSelection::ClearSelection(*this);
}

void Graph::ClearAlarms() {
  GraphSelection::ClearAlarms(*this);
}

void Graph::SetSelection(SeletionType whichSelection, int16_t offset) {
  GraphSelection::SetSelection(*this, whichSelection, offset, firstSelected_, lastSelected_);
}

void Graph::AddSelections(int16_t firstSelected, int16_t lastSelected) {
  GraphSelection::AddSelections(*this, firstSelected, lastSelected);
  // Over the current picture, without the bar fills, so that the selection
  // shows at once.
  DrawSeries(true);
}

void Graph::CheckAlarms() {
  if (GraphSelection::CheckAlarms(*this)) Raise(GraphAlarm);
}

void Graph::SavePreferences(const std::string& appname, const std::string& sectionName,
                            const std::string& chartName) {
  GraphPreferenceServices::Current()->SavePreferences(*this, appname, sectionName, chartName);
}

void Graph::LoadPreferences(const std::string& appname, const std::string& sectionName,
                            const std::string& chartName, const Runtime::Variant& series) {
  GraphPreferenceServices::Current()->LoadPreferences(*this, appname, sectionName, chartName,
                                                      series);
}

std::shared_ptr<GraphText> Graph::FootNote() const {
  return Required(footNote_);
}

void Graph::RemoveExcessXlabels() {
  GraphOrdering::RemoveExcessXlabels(*this);
}

void Graph::RaiseNumLabels(SizeEventType numLabel, bool& labelAction) {
  Raise(NumLabels, numLabel, labelAction);
}

void Graph::RaiseScrollBarSize(SizeEventType scrollBarSize, bool& scrollBarAction) {
  Raise(ScrollBarSize, scrollBarSize, scrollBarAction);
}

void Graph::UserControl_ReadProperties() {
  try {
    Platform::Event<int16_t&>* unload = site_->ParentUnload();
    if (unload == nullptr) return;
    gParentUnload_ = unload->Connect([graph = weak_from_this()](int16_t& cancel) {
      if (const auto alive = graph.lock()) alive->GParent_Unload(cancel);
    });
  } catch (const Runtime::Error&) {
    // A control whose host is no form simply has no hook.
  }
}

void Graph::GParent_Unload(int16_t& cancel) {
  (void)cancel;
  if (series_) {
    // Each series and its points hold each other; the points let go first.
    for (const Runtime::Variant& item : *series_->Col()) {
      ObjectFrom<GraphSeries>(item)->Values()->Parent(nullptr);
    }
  }
  UserControl_Terminate();
}

}  // namespace Dravex
