#include "shortcuts/cntTabrill.h"

#include "common/CommonFunctions.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/Surface.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Quillon {

namespace {

using Platform::Colour;
using Runtime::Variant;

constexpr Colour CaptionBack = 0xFF8080;
constexpr Colour CaptionText = 0xFFFFFF;
constexpr double CaptionHeight = 17;
constexpr double ScrollBarWidth = 17;

}  // namespace

cntTabrill::cntTabrill(Platform::Container& host, std::string name, int index)
    : UserControl(host, std::move(name), index), groups_(std::make_shared<clsShortCutGroups>()) {
  SetScaleMode(Platform::ScaleModes::Pixels);
  groups_->ParentBar(this);

  labCaption.Move(border_, border_, 0, CaptionHeight);
  labCaption.SetCaption("Caption");
  labCaption.SetAlignment(Platform::Alignments::Center);
  labCaption.SetBackColor(CaptionBack);
  labCaption.SetForeColor(CaptionText);
  labCaption.SetFontName("MS Sans Serif");
  labCaption.SetFontSize(9.75);
  labCaption.SetFontBold(true);

  picCanvas.Move(border_, border_, 0, 0);
  picCanvas.SetBackColor(0xC0C0C0);
  picCanvas.SetForeColor(0);
  picCanvas.SetAppearance(AppearanceFlat);

  vscScroll.Move(0, 0, ScrollBarWidth, 0);
  vscScroll.SetMin(1);
  vscScroll.SetValue(1);
  vscScroll.SetVisible(false);

  picDragBar.Move(0, 0, border_, 0);
  picDragBar.SetBorderStyle(0);
  picDragBar.SetMousePointer(Platform::MousePointers::SizeWE);

  hooks_.emplace_back(picCanvas.MouseDown.Connect(
      [this](int16_t& b, int16_t& s, double& x, double& y) { picCanvas_MouseDown(b, s, x, y); }));
  hooks_.emplace_back(picCanvas.MouseMove.Connect(
      [this](int16_t& b, int16_t& s, double& x, double& y) { picCanvas_MouseMove(b, s, x, y); }));
  hooks_.emplace_back(picCanvas.MouseUp.Connect(
      [this](int16_t& b, int16_t& s, double& x, double& y) { picCanvas_MouseUp(b, s, x, y); }));
  hooks_.emplace_back(vscScroll.Change.Connect([this] { DrawShortCuts(); }));
  hooks_.emplace_back(vscScroll.Scroll.Connect([this] { DrawShortCuts(); }));
  hooks_.emplace_back(picDragBar.MouseDown.Connect(
      [this](int16_t&, int16_t&, double&, double&) { dragging_ = true; }));
  hooks_.emplace_back(picDragBar.MouseUp.Connect(
      [this](int16_t&, int16_t&, double&, double&) { dragging_ = false; }));
  hooks_.emplace_back(picDragBar.MouseMove.Connect(
      [this](int16_t&, int16_t&, double& x, double&) { picDragBar_MouseMove(x); }));
}

cntTabrill::~cntTabrill() {
  hooks_.clear();
  // The header buttons go with the bar, before the canvas they lie in: the
  // groups a host still holds forget them, and the collection forgets the bar.
  for (int16_t i = 1; i <= groups_->Count(); ++i) UnloadHeaderButton(*groups_->Item(Variant(i)));
  groups_->ParentBar(nullptr);
  groups_.reset();
}

// --- Properties --------------------------------------------------------------

void cntTabrill::Enabled(bool value) {
  enabled_ = value;
  for (int16_t i = 1; i <= groups_->Count(); ++i)
    if (Platform::CommandButton* button = groups_->Item(Variant(i))->HeaderButton())
      button->SetEnabled(value);
  vscScroll.SetEnabled(value);
  DrawShortCuts();
}

void cntTabrill::ButtonHeight(int16_t value) {
  buttonHeight_ = value;
  UpdateScrollBar();
  DrawShortCuts();
}

void cntTabrill::Border(int16_t value) {
  border_ = value;
  DrawShortCuts();
}

void cntTabrill::IconGap(int16_t value) {
  iconGap_ = value;
  UpdateScrollBar();
  DrawShortCuts();
}

bool cntTabrill::Resizable() const {
  return picDragBar.MousePointer() == Platform::MousePointers::SizeWE;
}

void cntTabrill::Resizable(bool value) {
  picDragBar.SetMousePointer(value ? Platform::MousePointers::SizeWE
                                   : Platform::MousePointers::Default);
}

void cntTabrill::Caption(const std::string& value) {
  labCaption.SetCaption(value);
  if (value.empty()) UserControl_Resize();
}

void cntTabrill::ShortCutGroups(const std::shared_ptr<clsShortCutGroups>& value) {
  if (!value) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  if (value == groups_) return;
  groups_->ParentBar(nullptr);
  groups_ = value;
  groups_->ParentBar(this);
}

void cntTabrill::ForeColour(Colour value) {
  picCanvas.SetForeColor(value);
  ApplyCanvasLook();
}

void cntTabrill::BackColour(Colour value) {
  picCanvas.SetBackColor(value);
  ApplyCanvasLook();
}

AppearanceEnum cntTabrill::Appearance() const {
  return picCanvas.Appearance() == Appearance3D ? Appearance3D : AppearanceFlat;
}

void cntTabrill::Appearance(int32_t value) {
  if (value != AppearanceFlat && value != Appearance3D) return;
  const Colour back = picCanvas.BackColor();
  picCanvas.SetAppearance(value);
  BackColour(back);
}

// --- Methods -----------------------------------------------------------------

void cntTabrill::Hide() {
  savedWidth_ = Runtime::CInt(Variant(ScaleWidth()));
  SetWidth(GetContainer().PixelsToWidth(border_));
}

void cntTabrill::Restore() {
  const int16_t width = Runtime::CInt(Common::MaxOf(border_, savedWidth_));
  SetWidth(GetContainer().PixelsToWidth(width));
}

std::shared_ptr<clsShortCut> cntTabrill::HitTest(float X, float Y) const {
  std::shared_ptr<clsShortCut> found;
  const auto& group = groups_->Current();
  if (groups_->Count() < 1 || !group) return found;
  const auto& shortCuts = group->ShortCuts();
  for (int16_t i = 1; i <= shortCuts->Count(); ++i)
    if (shortCuts->Item(Variant(i))->Rect()->Contains(X, Y)) found = shortCuts->Item(Variant(i));
  return found;
}

// --- For the model -----------------------------------------------------------

void cntTabrill::UnloadHeaderButton(clsShortCutGroup& group) {
  Platform::CommandButton* button = group.HeaderButton();
  if (!button) return;
  const std::string name = button->Name();
  group.HeaderButton(nullptr);
  RemoveControl(name);
}

void cntTabrill::RaiseChangeShortCutGroup(const std::shared_ptr<clsShortCutGroup>& group) {
  auto raised = group;
  ChangeShortCutGroup.Raise(raised);
}

Platform::Surface& cntTabrill::CanvasSurface() const {
  return canvasSurface_ ? *canvasSurface_ : picCanvas.Drawing();
}

void cntTabrill::SetCanvasSurface(Platform::Surface* surface) {
  canvasSurface_ = surface;
  ApplyCanvasLook();
}

void cntTabrill::ApplyCanvasLook() {
  if (!canvasSurface_) return;
  canvasSurface_->SetBackColor(picCanvas.BackColor());
  canvasSurface_->SetForeColor(picCanvas.ForeColor());
  canvasSurface_->SetFontName(picCanvas.Font().Name);
  canvasSurface_->SetFontSize(picCanvas.Font().Size);
  canvasSurface_->SetFontBold(picCanvas.Font().Bold);
}

// --- Properties of the host --------------------------------------------------

void cntTabrill::UserControl_InitProperties() {
  SetAlign(Platform::Aligns::Left);
  iconGap_ = 25;
  buttonHeight_ = 20;
  border_ = 4;
  darkShadow_ = 0x808080;
  lightShadow_ = 0xFFFFFF;
  BackColour(0xC0C0C0);
  ForeColour(0);
  Resizable(true);
  Appearance(AppearanceFlat);
  iconBorder_ = 2;
  enabled_ = true;
  iconSize_ = IconSize32x32;
}

namespace {

// The persisted properties, in the order they are read and written, with
// their defaults; each default has the kind its value is stored as.
const Variant DefaultIconGap{int16_t{25}};
const Variant DefaultBorder{int16_t{4}};
const Variant DefaultButtonHeight{int16_t{20}};
const Variant DefaultDarkShadow{int32_t{0x808080}};
const Variant DefaultLightShadow{int32_t{0xFFFFFF}};
const Variant DefaultResizable{true};
const Variant DefaultBackColour{int32_t{0xC0C0C0}};
const Variant DefaultForeColour{int32_t{0}};
const Variant DefaultAppearance{int32_t{AppearanceFlat}};
const Variant DefaultIconBorder{int16_t{2}};
const Variant DefaultEnabled{true};
const Variant DefaultIconSize{int32_t{IconSize32x32}};

}  // namespace

void cntTabrill::UserControl_ReadProperties(Platform::PropertyBag& PropBag) {
  using Runtime::CBool;
  using Runtime::CInt;
  using Runtime::CLng;
  iconGap_ = CInt(PropBag.ReadProperty("IconGap", DefaultIconGap));
  border_ = CInt(PropBag.ReadProperty("Border", DefaultBorder));
  buttonHeight_ = CInt(PropBag.ReadProperty("ButtonHeight", DefaultButtonHeight));
  darkShadow_ = CLng(PropBag.ReadProperty("DarkShadow", DefaultDarkShadow));
  lightShadow_ = CLng(PropBag.ReadProperty("LightShadow", DefaultLightShadow));
  Resizable(CBool(PropBag.ReadProperty("Resizable", DefaultResizable)));
  BackColour(CLng(PropBag.ReadProperty("BackColour", DefaultBackColour)));
  ForeColour(CLng(PropBag.ReadProperty("ForeColour", DefaultForeColour)));
  Appearance(CLng(PropBag.ReadProperty("Appearance", DefaultAppearance)));
  iconBorder_ = CInt(PropBag.ReadProperty("IconBorder", DefaultIconBorder));
  enabled_ = CBool(PropBag.ReadProperty("Enabled", DefaultEnabled));
  iconSize_ = static_cast<IconSizeEnum>(CLng(PropBag.ReadProperty("IconSize", DefaultIconSize)));
}

void cntTabrill::UserControl_WriteProperties(Platform::PropertyBag& PropBag) {
  PropBag.WriteProperty("IconGap", Variant(iconGap_), DefaultIconGap);
  PropBag.WriteProperty("Border", Variant(border_), DefaultBorder);
  PropBag.WriteProperty("ButtonHeight", Variant(buttonHeight_), DefaultButtonHeight);
  PropBag.WriteProperty("DarkShadow", Variant(darkShadow_), DefaultDarkShadow);
  PropBag.WriteProperty("LightShadow", Variant(lightShadow_), DefaultLightShadow);
  PropBag.WriteProperty("Resizable", Variant(Resizable()), DefaultResizable);
  PropBag.WriteProperty("BackColour", Variant(BackColour()), DefaultBackColour);
  PropBag.WriteProperty("ForeColour", Variant(ForeColour()), DefaultForeColour);
  PropBag.WriteProperty("Appearance", Variant(int32_t{Appearance()}), DefaultAppearance);
  PropBag.WriteProperty("IconBorder", Variant(iconBorder_), DefaultIconBorder);
  PropBag.WriteProperty("Enabled", Variant(enabled_), DefaultEnabled);
  PropBag.WriteProperty("IconSize", Variant(int32_t{iconSize_}), DefaultIconSize);
}

}  // namespace Quillon
