#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Event.h"
#include "platform/gui/Colour.h"
#include "platform/gui/Container.h"
#include "platform/gui/ControlScope.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Menu;
class Surface;
class VisualControl;
struct FormInternal;

// A window of the program: a top-level window, a modal dialog, or a child window
// of the MDI main window. A form of the system is a class deriving from Form; its
// controls are members made in its constructor (positions in twips), and its
// event handlers are the Form_... methods it overrides and the handlers it
// connects to its controls' events.
//
// Life: made (the object exists, nothing shows) -> Load (Initialize the first
// time, then Load; the form joins the loaded forms) -> Show / Hide any number of
// times -> Unload (QueryUnload, then Unload; the form leaves the loaded forms and
// disappears). Showing a form that is not loaded loads it first. A form can be
// loaded again after it was unloaded; its controls keep what they held.
//
// Forms are best made with std::make_shared: while loaded, the loaded forms keep
// such a form alive.
class TAVRO_PLATFORM_GUI_API Form : public Container,
                                    public ControlScope,
                                    public std::enable_shared_from_this<Form> {
 public:
  enum class Kind { Window, MdiChild };

  explicit Form(std::string name, Kind kind = Kind::Window);
  ~Form() override;

  const std::string& Name() const { return name_; }
  bool MDIChild() const { return kind_ == Kind::MdiChild; }

  // --- Life ----------------------------------------------------------------
  void Load();
  // Asks QueryUnload (the program's unload: UnloadModes::FormCode) and unloads;
  // false when a handler cancelled.
  bool Unload();
  // Unload for the given reason (UnloadModes).
  virtual bool UnloadFor(int16_t unloadMode);
  bool IsLoaded() const;
  // Shows the form: Load first when needed, then Resize and Activate. A modal
  // show (ShowModes::Modal) returns when the form is hidden or unloaded; the
  // owner is the window the dialog belongs to (centred on it, kept above it).
  void Show(int modal = ShowModes::Modeless, Form* owner = nullptr);
  // Hides the form (loading it when needed); ends a modal show.
  void Hide();
  bool Visible() const;
  void SetVisible(bool visible);
  // True while shown modally.
  bool IsModal() const;

  // --- Properties ----------------------------------------------------------
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  const Picture& Icon() const { return icon_; }
  void SetIcon(const Picture& icon);

  // Outer position and size in twips (the window's frame included); for an MDI
  // child relative to the main window's inner area, for others on the screen.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
            std::optional<double> height = {});
  // The size of the inner area in twips, as a form is designed.
  void SetClientSize(double width, double height);
  // Size of the inner area in the form's scale (twips).
  double ScaleWidth() const;
  double ScaleHeight() const;

  int WindowState() const;
  void SetWindowState(int state);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour colour);
  // Set before the form is first shown: BorderStyles, the control box with its
  // minimise and maximise buttons, where the window first appears.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);
  void SetControlBox(bool on);
  void SetMinButton(bool on);
  void SetMaxButton(bool on);
  int StartUpPosition() const { return startUpPosition_; }
  void SetStartUpPosition(int position) { startUpPosition_ = position; }

  // The control that has the focus on this form, or the last one that had it.
  VisualControl* ActiveControl() const;
  void SetFocus();
  // Moves the focus to the next (or previous) control in the tab order, as the
  // Tab key does.
  void SelectNextControl(bool forward = true);
  void ZOrder(int position = 0);
  void Refresh();

  // Pops up a menu of this form at the pointer, or at (x, y) in twips of the
  // form's inner area, and runs the Click of the item chosen.
  void PopupMenu(Menu& menu, int flags = 0, std::optional<double> x = {},
                 std::optional<double> y = {});

  // The form's own drawing: Cls, Print, TextWidth... in twips, kept like an
  // off-screen picture and shown behind the controls. Sized to the inner area.
  Surface& Drawing();
  // The window as it shows now (an MDI child with its frame, a top-level
  // window without the desktop's): its controls, drawings and menu bar. No
  // picture before the window exists.
  Picture Snapshot() const;
  // Tests put a recording surface here (fixed text metrics, every call logged);
  // it takes the twips scale and follows the inner area's size.
  void SetDrawing(std::unique_ptr<Surface> drawing);

  // --- Events --------------------------------------------------------------
  // The form's own handlers; each runs before the matching event below.
  virtual void Form_Initialize() {}
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_Resize() {}
  // Cancel (not 0) keeps the form loaded; UnloadMode tells why (UnloadModes).
  virtual void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode);
  virtual void Form_Unload(int16_t& Cancel);
  // With KeyPreview the form sees the keys of its controls first.
  virtual void Form_KeyDown(int16_t& KeyCode, int16_t& Shift);
  virtual void Form_KeyPress(int16_t& KeyAscii);
  virtual void Form_KeyUp(int16_t& KeyCode, int16_t& Shift);
  virtual void Form_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y);
  virtual void Form_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y);
  virtual void Form_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y);

  // For others who listen to the form (a user control to its host form).
  Event<> LoadEvent;
  Event<> ActivateEvent;
  Event<> DeactivateEvent;
  Event<> ResizeEvent;
  Event<int16_t&, int16_t> QueryUnloadEvent;
  Event<int16_t&> UnloadEvent;
  Event<int16_t&, int16_t&> KeyDownEvent;
  Event<int16_t&> KeyPressEvent;
  Event<int16_t&, int16_t&> KeyUpEvent;

  // --- Container -----------------------------------------------------------
  Form& ParentForm() override { return *this; }
  ControlScope& Scope() override { return *this; }

  // For the Qt layer.
  FormInternal& Window() const { return *window_; }
  // The window system's notices, entered through the event wrapper.
  void NoticeActivated(bool active);
  void NoticeResized();
  void NoticeCloseRequest();
  // Docks the aligned controls to the edges; the MDI main window also places
  // its child area.
  virtual void LayoutInner();

 protected:
  Container& DefaultContainer() override { return *this; }
  struct MainWindowTag {};
  // The MDI main window's own window.
  Form(std::string name, MainWindowTag);
  // The two halves of unloading: asking QueryUnload, and the unload itself.
  bool Query(int16_t unloadMode);
  bool Finish();

 private:
  friend class MDIForm;
  void BuildWindow();
  void ApplyWindowFlags();
  void RaiseResize(bool always);
  void ApplyStartPosition(Form* owner);
  void EndModal();
  void FitDrawing();

  std::string name_;
  Kind kind_;
  std::unique_ptr<FormInternal> window_;
  std::string tag_;
  Picture icon_;
  bool initialised_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  bool active_ = false;
  bool keyPreview_ = false;
  int mousePointer_ = 0;
  Colour backColor_;
  int borderStyle_ = BorderStyles::Sizable;
  int startUpPosition_ = StartUpPositions::WindowsDefault;
  bool controlBox_ = true;
  bool minButton_ = true;
  bool maxButton_ = true;
  bool shownOnce_ = false;
  int modalDepth_ = 0;
  double reportedWidth_ = -1, reportedHeight_ = -1;
};

}  // namespace Platform
