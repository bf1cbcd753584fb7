#include "platform/gui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/ImageSurface.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/Menu.h"
#include "platform/gui/MenuInternal.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/RecordingSurface.h"
#include "platform/gui/Responder.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UserControl.h"
#include "platform/gui/VisualControl.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

// The top-level form that is active now, to tell it when another one becomes
// active before the window system does.
Form* activeTop = nullptr;

class FormClient : public QWidget {
 public:
  explicit FormClient(Form& form) : form_(form) {}

  void SetDesignSize(QSize size) {
    design_ = size;
    updateGeometry();
  }
  QSize sizeHint() const override { return design_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (auto* surface = dynamic_cast<ImageSurface*>(form_.Window().surface.get())) {
      QPainter painter(this);
      painter.drawImage(0, 0, surface->Flush());
      return;
    }
    QWidget::paintEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    form_.NoticeResized();
  }

 private:
  Form& form_;
  QSize design_{320, 240};
};

class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form) : QWidget(nullptr, Qt::Window), form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // Whether it goes is the form's decision; it hides itself when it does.
    event->ignore();
    form_.NoticeCloseRequest();
  }
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
      form_.NoticeActivated(isActiveWindow());
    else if (event->type() == QEvent::WindowStateChange)
      form_.NoticeResized();
  }

 private:
  Form& form_;
};

class FormSubWindow : public QMdiSubWindow {
 public:
  explicit FormSubWindow(Form& form) : form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    form_.NoticeCloseRequest();
  }

 private:
  Form& form_;
};

FormClient& ClientOf(const FormInternal& window) {
  return *static_cast<FormClient*>(window.client.data());
}

QRect ScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

Form::Form(std::string name, Kind kind)
    : name_(std::move(name)),
      kind_(kind),
      window_(std::make_unique<FormInternal>()),
      backColor_(SystemColour(SystemColours::ButtonFace)) {
  EnsureApplication();
  BuildWindow();
}

Form::Form(std::string name, MainWindowTag)
    : name_(std::move(name)),
      kind_(Kind::Window),
      window_(std::make_unique<FormInternal>()),
      backColor_(SystemColour(SystemColours::ApplicationWorkspace)) {
  EnsureApplication();
  BuildWindow();
}

Form::~Form() {
  DestroyAddedControls();
  if (activeTop == this) activeTop = nullptr;
  if (loaded_) Gui::RemoveLoaded(*this);
  if (MDIForm* main = MDIForm::Current()) main->ChildGone(this);
  window_->surface.reset();
  delete window_->Frame();
}

void Form::BuildWindow() {
  FormInternal& window = *window_;
  auto* client = new FormClient(*this);
  window.client = client;
  Site().client = client;
  Gui::MarkForm(client, this);
  Gui::RouteMouse(client);
  if (kind_ == Kind::MdiChild) {
    auto* sub = new FormSubWindow(*this);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWidget(client);
    Gui::MarkForm(sub, this);
    window.sub = sub;
    QObject::connect(sub, &QMdiSubWindow::windowStateChanged, sub, [this] { NoticeResized(); });
  } else {
    auto* top = new FormWindow(*this);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client);
    Gui::MarkForm(top, this);
    window.top = top;
  }
  SetClientSize(4800, 3600);
}

// --- Life ------------------------------------------------------------------

void Form::Load() {
  if (loaded_) return;
  auto keep = weak_from_this().lock();
  if (!initialised_) {
    initialised_ = true;
    Form_Initialize();
  }
  loaded_ = true;
  Gui::AddLoaded(*this);
  if (MDIChild()) {
    MDIForm* main = MDIForm::Current();
    if (main != nullptr && main != static_cast<Form*>(this) && window_->sub->mdiArea() == nullptr) {
      main->Window().mdiArea->addSubWindow(window_->sub);
      window_->sub->hide();
    }
  }
  for (UserControl* user : std::vector<UserControl*>(window_->userControls)) user->LoadProperties();
  for (Timer* timer : std::vector<Timer*>(window_->timers)) timer->FormLoaded(true);
  Form_Load();
  LoadEvent.Raise();
}

bool Form::Unload() {
  return UnloadFor(UnloadModes::FormCode);
}

bool Form::UnloadFor(int16_t unloadMode) {
  if (!loaded_) return true;
  if (unloading_) return false;
  auto keep = weak_from_this().lock();
  return Query(unloadMode) && Finish();
}

bool Form::Query(int16_t unloadMode) {
  if (!loaded_) return true;
  int16_t cancel = 0;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel == 0) QueryUnloadEvent.Raise(cancel, unloadMode);
  return cancel == 0;
}

bool Form::Finish() {
  if (!loaded_) return true;
  auto keep = weak_from_this().lock();
  unloading_ = true;
  int16_t cancel = 0;
  try {
    Form_Unload(cancel);
    if (cancel == 0) UnloadEvent.Raise(cancel);
  } catch (...) {
    unloading_ = false;
    throw;
  }
  if (cancel != 0) {
    unloading_ = false;
    return false;
  }
  for (Timer* timer : std::vector<Timer*>(window_->timers)) timer->FormLoaded(false);
  if (QWidget* frame = window_->Frame()) frame->hide();
  if (window_->sub && window_->sub->mdiArea())
    window_->sub->mdiArea()->removeSubWindow(window_->sub);
  if (MDIForm* main = MDIForm::Current()) main->ChildGone(this);
  EndModal();
  loaded_ = false;
  unloading_ = false;
  active_ = false;
  shownOnce_ = false;
  reportedWidth_ = reportedHeight_ = -1;
  window_->focus = nullptr;
  window_->validateBlock = nullptr;
  if (activeTop == this) activeTop = nullptr;
  Gui::RemoveLoaded(*this);
  return true;
}

bool Form::IsLoaded() const {
  return loaded_;
}

void Form::Show(int modal, Form* owner) {
  const bool asModal = modal == ShowModes::Modal;
  if (asModal && MDIChild()) Runtime::Raise(403);
  if (asModal && loaded_ && Visible()) Runtime::Raise(400);
  auto keep = weak_from_this().lock();
  if (!loaded_) {
    Load();
    if (!loaded_) return;
  }
  MDIForm* main = MDIChild() ? MDIForm::Current() : nullptr;
  if (main != nullptr && main != static_cast<Form*>(this) && !main->Visible()) main->Show();
  if (QWidget* top = window_->top)
    top->setWindowModality(asModal ? Qt::ApplicationModal : Qt::NonModal);
  if (!shownOnce_) ApplyStartPosition(owner);
  window_->Frame()->show();
  if (!shownOnce_) {
    shownOnce_ = true;
    RaiseResize(true);
  }
  if (QMdiSubWindow* sub = window_->sub) {
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    if (main != nullptr) main->ChildActivated(this);
  } else {
    QWidget* top = window_->top;
    // The off-screen platform (tests) has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) top->raise();
    top->activateWindow();
    NoticeActivated(true);
  }
  if (!asModal) return;
  ++modalDepth_;
  CurrentResponder().RunModal(*this);
  --modalDepth_;
}

void Form::Hide() {
  if (!loaded_) Load();
  window_->Frame()->hide();
  active_ = false;
  EndModal();
}

bool Form::Visible() const {
  QWidget* frame = window_->Frame();
  return loaded_ && frame != nullptr && !frame->isHidden();
}

void Form::SetVisible(bool visible) {
  if (visible)
    Show();
  else
    Hide();
}

bool Form::IsModal() const {
  return modalDepth_ > 0;
}

void Form::EndModal() {
  if (window_->modalLoop != nullptr) window_->modalLoop->quit();
}

// --- Properties ------------------------------------------------------------

std::string Form::Caption() const {
  return FromQString(window_->Frame()->windowTitle());
}

void Form::SetCaption(const std::string& caption) {
  window_->Frame()->setWindowTitle(ToQString(caption));
}

void Form::SetIcon(const Picture& icon) {
  icon_ = icon;
  window_->Frame()->setWindowIcon(Gui::ToQIcon(icon));
}

namespace {

QRect OuterRect(const FormInternal& window) {
  if (window.sub) return window.sub->geometry();
  return window.top->frameGeometry();
}

}  // namespace

double Form::Left() const {
  return Gui::PixelsToTwips(OuterRect(*window_).x());
}

double Form::Top() const {
  return Gui::PixelsToTwips(OuterRect(*window_).y());
}

double Form::Width() const {
  return Gui::PixelsToTwips(OuterRect(*window_).width());
}

double Form::Height() const {
  return Gui::PixelsToTwips(OuterRect(*window_).height());
}

void Form::SetLeft(double left) {
  Move(left);
}

void Form::SetTop(double top) {
  Move(Left(), top);
}

void Form::SetWidth(double width) {
  Move(Left(), Top(), width);
}

void Form::SetHeight(double height) {
  Move(Left(), Top(), Width(), height);
}

void Form::Move(double left, std::optional<double> top, std::optional<double> width,
                std::optional<double> height) {
  const QRect outer = OuterRect(*window_);
  const QRect wanted(
      Gui::Round(Gui::TwipsToPixels(left)), top ? Gui::Round(Gui::TwipsToPixels(*top)) : outer.y(),
      width ? std::max(0, Gui::Round(Gui::TwipsToPixels(*width))) : outer.width(),
      height ? std::max(0, Gui::Round(Gui::TwipsToPixels(*height))) : outer.height());
  if (QMdiSubWindow* sub = window_->sub) {
    sub->setGeometry(wanted);
    return;
  }
  QWidget* frame = window_->top;
  const QSize border = frame->frameGeometry().size() - frame->size();
  const QSize inner = wanted.size() - border;
  const QSize clientExtra = frame->size() - window_->client->size();
  ClientOf(*window_).SetDesignSize(inner - clientExtra);
  frame->move(wanted.topLeft());
  frame->resize(inner);
}

void Form::SetClientSize(double width, double height) {
  const QSize size(std::max(0, Gui::Round(Gui::TwipsToPixels(width))),
                   std::max(0, Gui::Round(Gui::TwipsToPixels(height))));
  FormClient& client = ClientOf(*window_);
  client.SetDesignSize(size);
  client.resize(size);
  QWidget* frame = window_->Frame();
  if (frame->layout() != nullptr) frame->layout()->activate();
  frame->resize(frame->sizeHint());
  client.resize(size);
}

double Form::ScaleWidth() const {
  if (WindowState() == WindowStates::Minimised) return 0;
  if (window_->surface) return window_->surface->ScaleWidth();
  return Gui::PixelsToTwips(window_->client->width());
}

double Form::ScaleHeight() const {
  if (WindowState() == WindowStates::Minimised) return 0;
  if (window_->surface) return window_->surface->ScaleHeight();
  return Gui::PixelsToTwips(window_->client->height());
}

int Form::WindowState() const {
  const Qt::WindowStates state = window_->Frame()->windowState();
  if (state & Qt::WindowMinimized) return WindowStates::Minimised;
  if (state & Qt::WindowMaximized) return WindowStates::Maximised;
  return WindowStates::Normal;
}

void Form::SetWindowState(int state) {
  QWidget* frame = window_->Frame();
  if (frame->isHidden()) {
    frame->setWindowState(state == WindowStates::Minimised   ? Qt::WindowMinimized
                          : state == WindowStates::Maximised ? Qt::WindowMaximized
                                                             : Qt::WindowNoState);
    return;
  }
  if (state == WindowStates::Minimised)
    frame->showMinimized();
  else if (state == WindowStates::Maximised)
    frame->showMaximized();
  else
    frame->showNormal();
  NoticeResized();
}

void Form::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  if (pointer == MousePointers::Default)
    window_->client->unsetCursor();
  else
    window_->client->setCursor(Gui::ToQCursor(pointer));
}

bool Form::Enabled() const {
  return window_->Frame()->isEnabled();
}

void Form::SetEnabled(bool enabled) {
  window_->Frame()->setEnabled(enabled);
}

void Form::SetBackColor(Colour colour) {
  backColor_ = colour;
  QWidget* client = window_->client;
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  client->setPalette(palette);
  client->setAutoFillBackground(true);
  if (window_->surface) window_->surface->SetBackColor(colour);
}

void Form::SetBorderStyle(int style) {
  borderStyle_ = style;
  ApplyWindowFlags();
}

void Form::SetControlBox(bool on) {
  controlBox_ = on;
  ApplyWindowFlags();
}

void Form::SetMinButton(bool on) {
  minButton_ = on;
  ApplyWindowFlags();
}

void Form::SetMaxButton(bool on) {
  maxButton_ = on;
  ApplyWindowFlags();
}

void Form::ApplyWindowFlags() {
  QWidget* frame = window_->Frame();
  const bool fixed =
      borderStyle_ == BorderStyles::FixedDialog || borderStyle_ == BorderStyles::FixedSingle;
  Qt::WindowFlags flags = window_->sub
                              ? (frame->windowFlags() & ~Qt::WindowType_Mask) | Qt::SubWindow
                          : borderStyle_ == BorderStyles::FixedDialog ? Qt::Dialog
                                                                      : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (controlBox_) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minButton_ && borderStyle_ != BorderStyles::FixedDialog)
      flags |= Qt::WindowMinimizeButtonHint;
    if (maxButton_ && borderStyle_ != BorderStyles::FixedDialog)
      flags |= Qt::WindowMaximizeButtonHint;
  }
  if (borderStyle_ == BorderStyles::None) flags |= Qt::FramelessWindowHint;
  const bool shown = !frame->isHidden();
  frame->setWindowFlags(flags);
  if (frame->layout() != nullptr)
    frame->layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize
                                             : QLayout::SetDefaultConstraint);
  if (shown) frame->show();
}

VisualControl* Form::ActiveControl() const {
  return window_->focus;
}

void Form::SetFocus() {
  if (QMdiSubWindow* sub = window_->sub) {
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  } else if (window_->top->isVisible()) {
    window_->top->activateWindow();
    QApplication::setActiveWindow(window_->top);
  }
  if (VisualControl* focus = window_->focus) focus->SetFocus();
}

void Form::SelectNextControl(bool forward) {
  QWidget* client = window_->client;
  QWidget* start = QApplication::focusWidget();
  if (start == nullptr || !client->isAncestorOf(start)) start = client;
  VisualControl* current = Gui::ControlOf(start);
  QWidget* widget = start;
  for (int guard = 0; guard < 10000; ++guard) {
    widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
    if (widget == nullptr || widget == start) return;
    if (!client->isAncestorOf(widget) || !(widget->focusPolicy() & Qt::TabFocus)) continue;
    if (!widget->isVisibleTo(client) || !widget->isEnabled()) continue;
    VisualControl* control = Gui::ControlOf(widget);
    if (control == nullptr || control == current) continue;
    widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return;
  }
}

void Form::ZOrder(int position) {
  if (position == 0)
    window_->Frame()->raise();
  else
    window_->Frame()->lower();
}

void Form::Refresh() {
  window_->client->repaint();
}

void Form::PopupMenu(Menu& menu, int flags, std::optional<double> x, std::optional<double> y) {
  (void)flags;
  const QPoint global =
      x && y ? window_->client->mapToGlobal(
                   QPoint(Gui::Round(Gui::TwipsToPixels(*x)), Gui::Round(Gui::TwipsToPixels(*y))))
             : QCursor::pos();
  if (Menu* chosen = CurrentResponder().PopupMenu(menu, global.x(), global.y()))
    chosen->Click.Raise();
}

Picture Form::Snapshot() const {
  QWidget* frame = window_->Frame();
  if (frame == nullptr) return {};
  return PictureOf(frame->grab().toImage());
}

Surface& Form::Drawing() {
  FormInternal& window = *window_;
  if (!window.surface) {
    const QSize size = window.client->size();
    auto image = std::make_unique<ImageSurface>(std::max(1, size.width()),
                                                std::max(1, size.height()), SurfaceKind::Canvas);
    image->SetScaleMode(ScaleModes::Twips);
    image->SetBackColor(backColor_);
    QPointer<QWidget> client = window.client;
    image->SetDrawnHandler([client] {
      if (client) client->update();
    });
    window.surface = std::move(image);
  }
  return *window.surface;
}

void Form::SetDrawing(std::unique_ptr<Surface> drawing) {
  window_->surface = std::move(drawing);
  if (window_->surface) {
    window_->surface->SetScaleMode(ScaleModes::Twips);
    FitDrawing();
  }
  window_->client->update();
}

void Form::FitDrawing() {
  if (WindowState() == WindowStates::Minimised) return;
  const QSize size = window_->client->size();
  const int width = std::max(1, size.width());
  const int height = std::max(1, size.height());
  if (auto* image = dynamic_cast<ImageSurface*>(window_->surface.get()))
    image->Resize(width, height);
  else if (auto* recording = dynamic_cast<RecordingSurface*>(window_->surface.get()))
    recording->Resize(width, height);
}

// --- Events ------------------------------------------------------------------

void Form::Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
  (void)Cancel;
  (void)UnloadMode;
}

void Form::Form_Unload(int16_t& Cancel) {
  (void)Cancel;
}

void Form::Form_KeyDown(int16_t& KeyCode, int16_t& Shift) {
  (void)KeyCode;
  (void)Shift;
}

void Form::Form_KeyPress(int16_t& KeyAscii) {
  (void)KeyAscii;
}

void Form::Form_KeyUp(int16_t& KeyCode, int16_t& Shift) {
  (void)KeyCode;
  (void)Shift;
}

void Form::Form_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Button, (void)Shift, (void)X, (void)Y;
}

void Form::Form_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Button, (void)Shift, (void)X, (void)Y;
}

void Form::Form_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y) {
  (void)Button, (void)Shift, (void)X, (void)Y;
}

void Form::RaiseResize(bool always) {
  const double width = ScaleWidth();
  const double height = ScaleHeight();
  if (!always && width == reportedWidth_ && height == reportedHeight_) return;
  reportedWidth_ = width;
  reportedHeight_ = height;
  Form_Resize();
  ResizeEvent.Raise();
}

void Form::NoticeActivated(bool active) {
  // Showing runs Resize before Activate: the activation the window system
  // reports while the window first appears waits for the Resize.
  if (active && !shownOnce_) return;
  if (active_ == active) return;
  active_ = active;
  if (!MDIChild()) {
    if (active) {
      Form* previous = activeTop;
      activeTop = this;
      if (previous != nullptr && previous != this) previous->NoticeActivated(false);
    } else if (activeTop == this) {
      activeTop = nullptr;
    }
  }
  if (!loaded_ || unloading_) return;
  EnterEventHandler([this, active] {
    if (active) {
      Form_Activate();
      ActivateEvent.Raise();
    } else {
      Form_Deactivate();
      DeactivateEvent.Raise();
    }
  });
}

void Form::NoticeResized() {
  EnterEventHandler([this] {
    FitDrawing();
    LayoutInner();
    if (loaded_ && shownOnce_) RaiseResize(false);
  });
}

void Form::NoticeCloseRequest() {
  EnterEventHandler([this] { UnloadFor(UnloadModes::FormControlMenu); });
}

void Form::LayoutInner() {
  Gui::LayoutAligned(*this);
}

void Form::ApplyStartPosition(Form* owner) {
  QWidget* top = window_->top;
  if (top == nullptr) return;
  QRect area;
  if (startUpPosition_ == StartUpPositions::CenterOwner) {
    Form* around = owner != nullptr ? owner : MDIForm::Current();
    area = around != nullptr && around != this && around->Visible() && around->Window().top
               ? around->Window().top->frameGeometry()
               : ScreenArea();
  } else if (startUpPosition_ == StartUpPositions::CenterScreen) {
    area = ScreenArea();
  } else {
    return;
  }
  const QSize size = top->frameGeometry().size();
  top->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

namespace Gui {

QMenuBar* MenuBarOf(Form& form) {
  FormInternal& window = form.Window();
  if (!window.top) return nullptr;
  if (!window.menuBar) {
    window.menuBar = new QMenuBar(window.top);
    static_cast<QVBoxLayout*>(window.top->layout())->setMenuBar(window.menuBar);
  }
  return window.menuBar;
}

QRect LayoutAligned(Container& container) {
  QWidget* client = container.Site().client;
  if (client == nullptr) return {};
  QRect room = client->rect();
  for (VisualControl* control : container.Site().children) {
    const int align = control->Align();
    if (align == Aligns::None || !control->Visible()) continue;
    const int width = Round(container.WidthToPixels(control->Width()));
    const int height = Round(container.HeightToPixels(control->Height()));
    QRect place;
    switch (align) {
      case Aligns::Top:
        place = QRect(room.left(), room.top(), room.width(), height);
        room.setTop(room.top() + height);
        break;
      case Aligns::Bottom:
        place = QRect(room.left(), room.bottom() + 1 - height, room.width(), height);
        room.setBottom(room.bottom() - height);
        break;
      case Aligns::Left:
        place = QRect(room.left(), room.top(), width, room.height());
        room.setLeft(room.left() + width);
        break;
      default:
        place = QRect(room.right() + 1 - width, room.top(), width, room.height());
        room.setRight(room.right() - width);
        break;
    }
    const bool across = align == Aligns::Top || align == Aligns::Bottom;
    control->Docked(
        container.PixelsToUnitsX(place.x()), container.PixelsToUnitsY(place.y()),
        across ? container.PixelsToWidth(place.width()) : control->Width(),
        across ? control->Height() : container.PixelsToHeight(std::max(0, place.height())));
  }
  return room;
}

}  // namespace Gui

}  // namespace Platform
