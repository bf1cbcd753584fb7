#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphDataHost.h"
#include "graph/model/GraphHost.h"
#include "graph/model/GraphRegionCol.h"
#include "graph/model/GraphSection.h"
#include "graph/model/GraphSectionCol.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphShapeStyle.h"
#include "graph/model/GraphStatistics.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphTypes.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphYAxis.h"
#include "graph/render/GraphCoordinates.h"
#include "graph/render/GraphSite.h"
#include "platform/Event.h"
#include "platform/gui/Surface.h"
#include "platform/gui/ToolBarControl.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Dravex {

class GraphPreferenceForm;

// Which way RoundAxisLimit rounds.
enum class Rounding : int16_t {
  RoundDown = -1,
  RoundUp = 1,
};

// The graph control: a chart of series of points against a row of labelled X
// positions and two Y axes, with titles, a legend, sections and statistics
// lines, drawn on its own canvas, a printer or a picture box of the host. It
// owns its object tree (series, axes, sections, regions, titles); the host
// fills it through the data-entry members and hears the control's events.
//
// Members follow the control's interface in its order. Members that take an
// argument by reference write back into it (a colour chosen, a position
// used). After the host form unloads, the tree is released: members that reach
// the series, the axes, the titles or the regions raise "object not set" (91)
// until Clear builds a new tree.
class DRAVEX_API Graph : public DravexObject,
                         public GraphDataHost,
                         public std::enable_shared_from_this<Graph> {
 public:
  // A new control with its whole default tree, on the site given: a form's
  // widgets, or nullptr for a control on no form (detached, off screen),
  // which is laid out at once in the default extent of a new control
  // (DetachedGraphSite::DefaultWidth x DefaultHeight pixels).
  static std::shared_ptr<Graph> New(std::shared_ptr<GraphSite> site = nullptr);
  ~Graph() override;

  // --- The control's interface ---------------------------------------------

  // Opens the preferences dialog on a page (GraphPreferenceServices).
  void ShowPreferences(Dravex::GraphPreferences graphPreference);
  // The foot note takes room and is drawn only while this is True.
  bool DisplayFootNote() const { return displayFootNote_; }
  void DisplayFootNote(bool value) { displayFootNote_ = value; }
  // A value kept for the host: an object by reference, anything else a copy.
  const Runtime::Variant& TagVariant() const { return tagVariant_; }
  void TagVariant(Runtime::Variant value) { tagVariant_ = std::move(value); }
  // Lays the canvas and the scroll bar out in the control; redraws (without
  // the title bar) only while AutoUpdate is True.
  void UserControl_Resize() override;

  // A new series named name (its title's text; its key in Series) of the
  // style given, drawn against whichAxis, which is enabled. A colour below 0
  // becomes the default colour of its position, written back. The name of a
  // series already there raises 457 (the axis stays enabled).
  void AddSeries(const std::string& name, SeriesStyleType seriesStyle, YAxisType whichAxis,
                 int32_t& colour) override;
  void AddSeries(const std::string& name, SeriesStyleType seriesStyle,
                 YAxisType whichAxis = YAxisType::YAxis1);
  // Stores a point in the series named by position or name (see
  // GraphSeries::AddValue), then gives every point of that series an X label
  // (position as text and value) and grows the scroll bar when the series no
  // longer fits the X window, asking the host first (NumLabels, ScrollBarSize).
  // A series that does not exist raises the collection's error.
  void AddValue(const Runtime::Variant& series, const Runtime::Variant& value1,
                const Runtime::Variant& value2, const Runtime::Variant& tempValue,
                int16_t& addWhere, AddType addHow) override;
  // Appends (AddInsert at position -1).
  void AddValue(const Runtime::Variant& series, const Runtime::Variant& value1,
                const Runtime::Variant& value2 = Runtime::Variant::Nothing(),
                const Runtime::Variant& tempValue = Runtime::Variant(int16_t{0}));
  // What one AddValue by increment adds to the point at Position.
  struct Increment {
    int16_t Position = 0;
    Runtime::Variant Y;
    Runtime::Variant TempValue;
  };
  // Each increment in turn, as AddValue(series, Y, Nothing, TempValue,
  // Position, AddIncrement) would one after another: the same points, labels,
  // scroll bar and events, and a failure leaves those before it added. Adding
  // to a point that is there is only the sum: the series is looked up once and
  // the labels and scroll bar measured only when something may have moved them.
  void AddIncrements(const Runtime::Variant& series, const std::vector<Increment>& increments);
  // The number of X positions the data needs: the labels, the longest series
  // and the X values of XYGraph points (rounded up).
  int16_t MaxWidth() override;
  // Removes a point of a series (see GraphSeries::RemoveValue); then X labels
  // beyond the longest series go and the scroll bar shrinks (NumLabels and
  // ScrollBarSize, TooMany), and it hides once the data fits the X window. A
  // series that does not exist is ignored.
  void RemoveValue(const Runtime::Variant& series, int16_t& removeWhere);
  void RemoveValue(const Runtime::Variant& series);
  // The number of points of a series; 0 for a series that does not exist.
  int16_t CountValue(const Runtime::Variant& series);
  // The X axis's label orientation.
  LabelOrientaionType LabelOrientation() const;
  void LabelOrientation(LabelOrientaionType value);

  // Draws the whole chart on the drawing surface (Frame), with the title bar
  // only when drawTitleBar is True; does nothing while LocalDraw is False.
  void Draw(bool drawTitleBar = false);
  // Makes the statistics sections anew from every series' settings (those
  // tagged "Stats" go first), trend lines fitted to the X window and the Y
  // axes' scales as they stand. Drawing passes the scales it has just worked
  // out instead.
  void SetUpStats();
  void SetUpStats(const GraphStatistics::PlotWindow& window);
  // The title bar and the legend; the regions must be laid out.
  void DrawMain();
  void DrawLegend();
  // Draws the plot area; the regions must be laid out.
  void DrawGraph();

  std::shared_ptr<GraphSeriesCol> Series() const override;
  // Stores the collection given, unchecked.
  void Series(std::shared_ptr<GraphSeriesCol> value) { series_ = std::move(value); }
  // Redraw on resize; False when the control is made.
  bool AutoUpdate() const { return autoUpdate_; }
  void AutoUpdate(bool value) { autoUpdate_ = value; }

  // Sorts a series by value with the X labels, then cuts it and the labels
  // to maxAmount (GraphOrdering).
  void OrderSeries(const Runtime::Variant& series, OrderType direction, int16_t maxAmount = 0);
  // The series ordered descending and the cumulative share of its points, in
  // whole percent, in the series name on the right-hand axis (GraphOrdering).
  void Pareto(const Runtime::Variant& series, const std::string& name = "Cumulative",
              int16_t maxAmount = 0);

  // Statistics lines of a series, tagged tag (GraphStatistics): at its mean,
  // a least-squares line through its points in the X window, and at a number
  // of standard deviations from its mean (a name that is not text is
  // composed, "+2 Std Dev", and written back).
  void AddMean(const Runtime::Variant& series,
               const Runtime::Variant& title = Runtime::Variant("Mean"),
               const std::string& tag = "");
  void AddBestFitLinear(const Runtime::Variant& series, bool ignoreZero = true,
                        const std::string& title = "Best Fit", const std::string& tag = "");
  void AddStdDev(const Runtime::Variant& series, int16_t numStdDev, Runtime::Variant& name,
                 const std::string& tag = "");
  void AddStdDev(const Runtime::Variant& series, int16_t numStdDev);
  // The sum (Empty for a series that does not exist), mean and sample
  // standard deviation of a series' values.
  Runtime::Variant SeriesTotal(const Runtime::Variant& series) const;
  float SeriesMean(const Runtime::Variant& series) const;
  float SeriesStdDev(const Runtime::Variant& series) const;

  // A section keyed key, or by its title when key is "" (key becomes the
  // title), unless one has that key: the section added, or nothing
  // (GraphStatistics::AddSection).
  std::shared_ptr<GraphSection> AddSection(
      const std::string& title, std::string& key, const Runtime::Variant& x1 = Runtime::Variant(""),
      const Runtime::Variant& y1 = Runtime::Variant(""),
      const Runtime::Variant& x2 = Runtime::Variant(""),
      const Runtime::Variant& y2 = Runtime::Variant(""), YAxisType yAxis = YAxisType::YAxis1,
      int32_t titlePosition = TitlePositionType::Outside | TitlePositionType::VerticalTop |
                              TitlePositionType::HorizontalLeft,
      LabelOrientaionType orientation = LabelOrientaionType::LabelHorizontal,
      GraphColour colour = 0, SectionFloatType sectionFloat = SectionFloatType::Automatic,
      SectionDisplayType sectionDisplay = SectionDisplayType::SectionLine);
  std::shared_ptr<GraphSection> AddSection(const std::string& title);

  // The drawing surface: the Canvas, the printer or a picture box of the host.
  // nullptr makes the Canvas the surface again. Nothing is drawn.
  std::shared_ptr<Platform::Surface> Frame() const;
  void Frame(std::shared_ptr<Platform::Surface> value);
  // Sets the texts of the titles given (each argument not missing, converted
  // to text), in this order: main prefix, main title, sub title, foot note, X
  // axis title, first and second Y axis titles. Nothing is redrawn.
  void SetTitles(const Runtime::Variant& mainPrefix = Runtime::Variant::Missing(),
                 const Runtime::Variant& mainTitle = Runtime::Variant::Missing(),
                 const Runtime::Variant& subTitle = Runtime::Variant::Missing(),
                 const Runtime::Variant& footNote = Runtime::Variant::Missing(),
                 const Runtime::Variant& xAxis = Runtime::Variant::Missing(),
                 const Runtime::Variant& yAxis1 = Runtime::Variant::Missing(),
                 const Runtime::Variant& yAxis2 = Runtime::Variant::Missing());
  // The layout rectangles, under the region keys.
  std::shared_ptr<GraphRegionCol> Regions() const;
  void Regions(std::shared_ptr<GraphRegionCol> value) { regions_ = std::move(value); }
  std::shared_ptr<GraphSectionCol> Sections() const override;
  void Sections(std::shared_ptr<GraphSectionCol> value) { sections_ = std::move(value); }
  std::shared_ptr<GraphXAxis> XAxis() const override;
  // The new axis becomes this graph's; the axis it replaces no longer is.
  void XAxis(std::shared_ptr<GraphXAxis> value);
  // The fill colour of the plot area.
  GraphColour BackGround() const { return backGround_; }
  void BackGround(GraphColour value) { backGround_ = value; }

  // The chart with its title bar on the clipboard as a picture (Copy), or in
  // a Windows bitmap file (Save): drawn anew on the drawing surface, which
  // then shows what it showed before. While LocalDraw is False the picture
  // already there goes out. The printer has no picture: error 438.
  void Copy();
  void Save(const std::string& fileName);

  // Releases the object tree and builds the default one again: every field
  // back to its default, the Canvas the drawing surface again. The constituent
  // controls, the scroll bar's position and the host form's hook stay.
  void Clear();
  std::shared_ptr<GraphText> SubTitle() const;
  void SubTitle(std::shared_ptr<GraphText> value) { subTitle_ = std::move(value); }
  // Y axis 1 (left) or 2 (right); another index raises the collection's error.
  // The setter puts the axis given in that place.
  std::shared_ptr<GraphYAxis> YAxis(int16_t index) const override;
  void YAxis(int16_t index, std::shared_ptr<GraphYAxis> value);

  // The control limits of an X-bar/R chart from its series of subgroup means
  // and of subgroup ranges (XBarConstants::AddMeanRangeLimits).
  void AddMeanRangeLimits(const Runtime::Variant& mean, const Runtime::Variant& range,
                          int16_t sampleSize);
  // The factors A2, D4 and D3 for subgroups of number: 0 where there is none,
  // the factor of size 10 beyond it; a number below 1 raises 5.
  float XBarRA2(int16_t number) const;
  float XBarRd4(int16_t number) const;
  float XBarRD3(int16_t number) const;

  // Always nothing.
  Runtime::ObjectRef Eq() const { return nullptr; }
  // The X window's scroll bar; its Value is the first X position shown.
  GraphHScrollBar& XScroll() override;
  // The redraw switch: while False, Draw does nothing and scrolling does not
  // redraw.
  bool LocalDraw() const override { return localDraw_; }
  void LocalDraw(bool value) override { localDraw_ = value; }
  // Releases the object tree (not the null-space style and the constant
  // tables); harmless when it is already released.
  void UserControl_Terminate();

  // Removes the points of value 0 from a series, each with its X label when
  // removeLabel (GraphOrdering).
  void RemoveZeros(const Runtime::Variant& series, bool removeLabel = true);

  // Where the thumb goes when the scroll bar grows: to its maximum
  // (ScrollBarRight) or its minimum (any other value).
  ScrollBarDirectionType ScrollBarDirection() const override { return scrollBarDirection_; }
  void ScrollBarDirection(ScrollBarDirectionType value) { scrollBarDirection_ = value; }

  // Each value of the series as a percentage of its TempValue (GraphOrdering).
  void Percent(const Runtime::Variant& series);

  // The shading of X positions without values.
  std::shared_ptr<GraphShapeStyle> NullSpace() const;
  void NullSpace(std::shared_ptr<GraphShapeStyle> value) { nullSpace_ = std::move(value); }
  std::shared_ptr<GraphText> MainTitle() const;
  void MainTitle(std::shared_ptr<GraphText> value) { mainTitle_ = std::move(value); }
  std::shared_ptr<GraphText> MainPrefix() const;
  void MainPrefix(std::shared_ptr<GraphText> value) { mainPrefix_ = std::move(value); }
  // The Canvas's mouse pointer.
  int16_t MousePointer() const;
  void MousePointer(int16_t value);

  // Pops up the "Graphs" menu at (x, y), in twips from the top-left corner of
  // the window the control lies on. Every error on the way is ignored.
  void GraphPreferences(float x, float y);
  // Clear the selected flag (ClearSelection) or the alarm flag (ClearAlarms)
  // of every point (GraphSelection).
  void ClearSelection();
  void ClearAlarms();
  // Moves one end of the selection cursor to the nearest X position with data
  // in the direction of offset; it stays when there is none.
  void SetSelection(SeletionType whichSelection, int16_t offset);
  // Selects the points at firstSelected to lastSelected of every series.
  void AddSelections(int16_t firstSelected, int16_t lastSelected);
  // Flags anew the points beyond their series' enabled specification limits,
  // raising GraphAlarm once when there are any.
  void CheckAlarms();

  // Every series' preferences into the registry, and back
  // (GraphPreferenceServices).
  void SavePreferences(const std::string& appname, const std::string& sectionName,
                       const std::string& chartName);
  void LoadPreferences(const std::string& appname, const std::string& sectionName,
                       const std::string& chartName,
                       const Runtime::Variant& series = Runtime::Variant::Missing());
  std::shared_ptr<GraphText> FootNote() const;
  void FootNote(std::shared_ptr<GraphText> value) { footNote_ = std::move(value); }

  // Drops the X labels beyond the longest series (GraphOrdering).
  void RemoveExcessXlabels();

  // --- Events, raised synchronously -----------------------------------------
  // Arguments passed by reference come back with what the handlers left there.

  // The X labels are too few or too many for the points; labelAction (True)
  // lets the control add or remove them itself.
  Platform::Event<SizeEventType, bool&> NumLabels;
  // The scroll bar grows or shrinks; scrollBarAction (True) lets the control
  // move the thumb.
  Platform::Event<SizeEventType, bool&> ScrollBarSize;
  Platform::Event<> Click;
  // The X positions labelFrom to labelTo were selected.
  Platform::Event<int16_t&, int16_t&> SelectPoints;
  // Button, Shift, X, Y on the Canvas.
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseUp;
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseDown;
  // Alarm checking flagged a point.
  Platform::Event<> GraphAlarm;
  // SavePreference, appname, SectionName, ChartName: after the preferences
  // dialog closed with Ok.
  Platform::Event<bool&, std::string&, std::string&, std::string&> PreferenceChange;
  // LoadPreference, appname, SectionName, ChartName: before the front sections
  // are drawn.
  Platform::Event<bool&, std::string&, std::string&, std::string&> PreferenceDisplay;
  Platform::Event<> ShowPreferenceForm;
  Platform::Event<> HidePreferenceForm;

  // --- Inside the library ---------------------------------------------------

  // Copies every row of the preferences dialog into its series: row r into
  // the series at position r + 1 (GraphPreferenceDialog).
  void ApplyPreferenceForm(GraphPreferenceForm& form);

  void RaiseNumLabels(SizeEventType numLabel, bool& labelAction) override;
  void RaiseScrollBarSize(SizeEventType scrollBarSize, bool& scrollBarAction) override;
  // Raises an event of the control. The control stays alive until the raise
  // is over, as a handler may drop the host's last reference to it (closing
  // the window that holds it).
  template <class... Args, class... Given>
  void Raise(Platform::Event<Args...>& event, Given&&... args) {
    const std::shared_ptr<Graph> keepAlive = weak_from_this().lock();
    event.Raise(std::forward<Given>(args)...);
  }

  // Handlers of the constituent controls and of the host form.

  // The host has made the control: hooks the Unload of the form that hosts
  // it. A control on no form has no hook; nothing here fails.
  void UserControl_ReadProperties();
  // The host form unloads: every series' points let go of their series and
  // the tree is released. The unload is never cancelled.
  void GParent_Unload(int16_t& cancel);
  // The scroll bar moved: the X window follows, redrawn while LocalDraw.
  void GXScroll_Change();
  void GXScroll_Scroll();
  // The mouse on the Canvas: MouseDown first, then a left button on the plot
  // opens a rubber band and the right one pops up the "Graphs" menu; moving
  // places the value tip and fits an open band; a left mouse-up closes the
  // band and starts the double-click timer (or makes the click a double one),
  // any other raises MouseUp. An error in a step (a host's handler, a
  // drawing) leaves the control idle, band hidden and timer stopped, and goes
  // on to the caller.
  void Canvas_MouseDown(int16_t& button, int16_t& shift, float& x, float& y);
  void Canvas_MouseMove(int16_t& button, int16_t& shift, float& x, float& y);
  void Canvas_MouseUp(int16_t& button, int16_t& shift, float& x, float& y);
  void Canvas_Click();
  // 500 ms after the first band closed: SelectPoints for the band's
  // positions (the whole X window after a double click) that have labels,
  // then the cursor back on the first visible position.
  void DblClickClock_Timer();
  // Enter reports the cursor's positions (SelectPoints); the arrows move it,
  // Shift moving its last end, and scroll it into view.
  void UserControl_KeyDown(int16_t& keyCode, int16_t& shift);
  // A tool of the "Graphs" menu opens the preferences dialog on its page.
  void ToolBars_ToolClick(const std::shared_ptr<Platform::Tool>& tool);

  // The constituent controls.
  GraphSite& Site() const { return *site_; }
  // Puts the control on another site (nullptr: a detached one): it draws on
  // the new Canvas when it drew on the old one, and hears the new constituents
  // and host form (after UserControl_ReadProperties) only.
  void Site(std::shared_ptr<GraphSite> site);
  GraphPictureBox& Canvas() const { return site_->Canvas(); }
  // The toolbar-and-menu control with the preference tools and the "Graphs"
  // menu, made with the control. A new one is heard and shown on the site.
  const std::shared_ptr<Platform::ToolBarControl>& ToolBars() const { return toolBars_; }
  void ToolBars(std::shared_ptr<Platform::ToolBarControl> value);

  // --- Drawing routines ------------------------------------------------------
  // What the drawing of a chart is made of; the interaction code uses the
  // layout and the coordinates. u below is SpacingUnit.

  // The layout unit, one 150th of the window's width, set by SetUpRegions.
  float SpacingUnit() const { return spacingUnit_; }
  // The colour of everything round the plot area.
  GraphColour SurroundColour() const { return surroundColour_; }
  // Lays out the seven regions from the texts' sizes and sets SpacingUnit.
  void SetUpRegions(bool drawTitleBar);
  // Shades runs of X positions where no series has a value.
  void DrawNullSpace();
  // The text's font and colour onto the drawing surface; a font name the
  // surface does not know keeps the old one.
  void SetDrawFont(const GraphText& text);
  // Covers everything outside the plot area with the surround colour.
  void DrawBorders();

  // Scales both Y axes from the values plotted against them (automatic
  // limits only) and has each work out its tick-label format.
  void SetUpAxes();
  // The round axis limit above (RoundUp) or below (RoundDown) a value: the
  // next multiple of its decade, or 10 for magnitudes up to 10 (1 for 0).
  static float RoundAxisLimit(float value, Rounding direction);
  // The scale SetUpAxes gives axis (1 or 2) as the data stands.
  GraphStatistics::PlotWindow::Scale AxisScale(int16_t axis) const;
  void DrawYAxes();
  void DrawXAxis();

  // Plots the visible series; skipBars leaves the bar bodies out (for marks
  // drawn over the current picture).
  void DrawSeries(bool skipBars);
  // Kinds of graph the control never takes; they draw nothing.
  void DrawThreeD() {}
  void DrawPie() {}
  // The fill style, line style and colour of a series or a section onto the
  // drawing surface.
  void SetShapeStyle(const GraphSeries& style);
  void SetShapeStyle(const GraphSection& style);
  // The mappings of the regions and Y axes as they stand (GraphCoordinates):
  // a value on axis (any axis but 2 is axis 1) to a vertical position, an X
  // position to a horizontal one, and a horizontal position to the nearest
  // visible X position (0 when region "X" has no width).
  GraphCoordinates Coordinates() const;
  float YCoordinate(float value, int16_t axis) const;
  float XCoordinate(float index) const;
  int16_t XIndex(float x) const;
  // The marker of a point centred on (x, y), one unit wide, in the surface's
  // foreground colour and styles.
  void DrawPoint(PointStyleType style, float x, float y);
  // Draws the visible sections of one layer; the front pass also prints
  // every visible section's caption.
  void DrawSections(SectionFloatType layer);
  // The logo at the foot of the legend, on the Canvas only.
  void DrawLogo();

 private:
  Graph();

  // Builds the default object tree (construction, and the second half of
  // Clear).
  void UserControl_Initialize();
  // Fills the XBar/R factor tables.
  void SetUpXBarConstants();
  // AddValue on a series already found.
  void AddValueTo(const std::shared_ptr<GraphSeries>& target, const Runtime::Variant& value1,
                  const Runtime::Variant& value2, const Runtime::Variant& tempValue,
                  int16_t& addWhere, AddType addHow);
  // Interaction (GraphInteraction.cpp).
  // Runs a handler's steps; an error leaves the control idle and goes on.
  template <class Steps>
  void Interact(Steps&& steps);
  void EndInteraction() noexcept;
  // The host form has unloaded: the person's events find nothing to act on.
  bool Released() const { return !series_ || !xAxis_ || !regions_; }
  // Shows the "Graphs" menu, at (x, y) or at the mouse.
  void PopUpGraphsMenu(std::optional<float> x, std::optional<float> y);
  // Places the value tip for position n, the mouse at (x, y).
  void PlaceValueTip(int16_t n, float x, float y);
  // Fits the open band to the positions between where it opened and x, and
  // marks the points in it.
  void FitSelectBox(float x);
  // The cursor back on the first visible position, selected.
  void ResetCursor();
  // Picture output (GraphPictureOutput.cpp): draws with the title bar and
  // hands the picture to put, the surface's earlier picture shown again
  // afterwards.
  void OutputPicture(const std::function<void(const Platform::Picture&)>& put);

  // The drawing surface (Frame) without a new reference to it.
  Platform::Surface& DrawingSurface() const;
  // A series' line in the legend: its title, followed by its axis' name in
  // brackets when both Y axes are enabled.
  std::string LegendEntry(const GraphSeries& series, bool bothAxes) const;
  // A section's caption, in the front pass; r is the section's rectangle.
  void DrawSectionCaption(const GraphSection& section, const GraphRegion& r);
  template <class... Args>
  Platform::ScopedConnection Hook(Platform::Event<Args...>& event, void (Graph::*handler)(Args...));

  std::shared_ptr<GraphSite> site_;
  std::vector<Platform::ScopedConnection> constituentHooks_;
  Platform::ScopedConnection gParentUnload_;
  std::shared_ptr<Platform::ToolBarControl> toolBars_;
  Platform::ScopedConnection toolClick_;

  // The object tree and the fields, in the order the control sets them up.
  std::shared_ptr<GraphSeriesCol> series_;
  std::shared_ptr<GraphSectionCol> sections_;
  std::shared_ptr<GraphRegionCol> regions_;
  GraphType graphType_ = GraphType::TwoD;
  Runtime::CollectionRef yAxisList_;
  ScrollBarDirectionType scrollBarDirection_ = ScrollBarDirectionType::ScrollBarRight;
  // The selection cursor: X positions of the first and last selected point.
  int16_t firstSelected_ = 1;
  int16_t lastSelected_ = 1;
  bool preferenceDisplayFlag_ = true;
  std::shared_ptr<GraphShapeStyle> nullSpace_;
  std::shared_ptr<GraphXAxis> xAxis_;
  std::shared_ptr<GraphText> mainTitle_;
  std::shared_ptr<GraphText> legendText_;
  std::shared_ptr<GraphText> mainPrefix_;
  std::shared_ptr<GraphText> subTitle_;
  std::shared_ptr<GraphText> footNote_;
  std::shared_ptr<Platform::Surface> drawingSurface_;
  GraphColour backGround_ = 0x02F0F0F0;
  GraphColour surroundColour_ = 0x02E0E0E0;
  bool localDraw_ = true;
  bool autoUpdate_ = false;
  bool displayFootNote_ = true;
  // The layout unit, set by the region layout.
  float spacingUnit_ = 0;
  // The band: where it was opened, and whether a second one closed while the
  // double-click timer ran.
  MouseClickType clickType_ = MouseClickType::MouseSngClick;
  float mouseDownX_ = 0;
  float mouseDownY_ = 0;
  // The XBar/R factors A2, D3 and D4 by subgroup size.
  Runtime::CollectionRef xBarA2_;
  Runtime::CollectionRef xBarD3_;
  Runtime::CollectionRef xBarD4_;

  Runtime::Variant tagVariant_;
};

}  // namespace Dravex
