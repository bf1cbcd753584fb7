#include "viewer/shell/frmAbout.h"

#include <tuple>

#include "common/WindowsXPButtons.h"
#include "platform/DirListing.h"
#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/Colour.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/ImageSurface.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/Shell.h"
#include "runtime/Strings.h"

namespace Kordex {

namespace {

using Platform::RGB;

// The product picture: a placement head over a board of parts.
Platform::Picture ProductPicture() {
  Platform::ImageSurface picture(144, 112);
  picture.SetBackColor(RGB(24, 40, 72));
  picture.Cls();
  // The board, with its tracks.
  picture.Line(14, 58, 130, 102, RGB(20, 110, 60), Platform::LineShape::FilledBox);
  picture.Line(14, 58, 130, 102, RGB(140, 200, 150), Platform::LineShape::Box);
  for (int y = 66; y <= 94; y += 14) picture.Line(20, y, 124, y, RGB(60, 150, 90));
  // The parts placed so far: chips and small passives.
  for (int x = 24; x <= 96; x += 24) {
    picture.Line(x, 62, x + 14, 74, RGB(30, 30, 34), Platform::LineShape::FilledBox);
    picture.Line(x + 4, 86, x + 10, 90, RGB(210, 170, 110), Platform::LineShape::FilledBox);
  }
  // The head on its gantry, a part on its nozzle.
  picture.Line(6, 14, 138, 20, RGB(150, 160, 175), Platform::LineShape::FilledBox);
  picture.Line(98, 20, 122, 40, RGB(205, 210, 220), Platform::LineShape::FilledBox);
  picture.Line(109, 40, 111, 50, RGB(205, 210, 220), Platform::LineShape::FilledBox);
  picture.Line(104, 50, 116, 54, RGB(30, 30, 34), Platform::LineShape::FilledBox);
  picture.Circle(110, 30, 5, RGB(240, 180, 40));
  return picture.Image();
}

}  // namespace

frmAbout::frmAbout() : Form("frmAbout") {
  SetBorderStyle(Platform::BorderStyles::FixedDialog);
  SetMinButton(false);
  SetMaxButton(false);
  SetStartUpPosition(Platform::StartUpPositions::CenterOwner);
  SetClientSize(6735, 2595);

  const double tops[] = {240, 600, 960, 1320};
  int row = 0;
  for (auto [label, caption, width] :
       {std::tuple{&Label1, "Program Name", 1155.0}, std::tuple{&Label3, "Description", 1095.0},
        std::tuple{&Label4, "Version", 1095.0}, std::tuple{&Label2, "Web Page", 1095.0}}) {
    label->SetCaption(caption);
    label->Move(2640, tops[row++], width, 315);
    label->SetAutoSize(true);  // the desktop's font may be wider than the design's
    label->SetFontSize(8);
  }
  labProgram.Move(3960, 240, 2655, 315);
  labDescription.Move(3960, 600, 2655, 315);
  labVersion.Move(3960, 960, 2655, 315);
  labWeb.Move(3960, 1320, 2340, 195);
  labWeb.SetCaption("http://www.tavro.example");
  labWeb.SetFontUnderline(true);
  labWeb.SetForeColor(RGB(0, 0, 192));
  labWeb.SetMousePointer(Platform::MousePointers::Hand);
  Label5.Move(2640, 1680, 3735, 255);
  Label5.SetCaption("\xA9 Tavro. All rights reserved.");
  linDark.SetPoints(120, 2040, 6600, 2040);
  linDark.SetBorderColor(Platform::SystemColour(Platform::SystemColours::ButtonShadow));
  linLight.SetPoints(120, 2055, 6600, 2055);
  linLight.SetBorderColor(Platform::SystemColour(Platform::SystemColours::ButtonHighlight));
  cmdClose.SetCaption("Close");
  cmdClose.Move(2640, 2160, 1455, 350);
  Image1.Move(240, 240);
  Image1.SetPicture(ProductPicture());
  Manuals.SetCaption("Manuals");
  Manuals.SetVisible(false);

  cmdClose.Click.Connect([this] { cmdClose_Click(); });
  labWeb.Click.Connect([this] { labWeb_Click(); });
  Manual.OnLoad([this](Platform::Menu& entry, int index) {
    entry.Click.Connect([this, index] { Manual_Click(index); });
  });
}

frmAbout::~frmAbout() = default;

std::shared_ptr<frmAbout> frmAbout::Window() {
  static std::weak_ptr<frmAbout> window;
  return Platform::Forms::LoadedOne(window);
}

void frmAbout::Form_Initialize() {
  Common::InitialiseCommonControls();
}

void frmAbout::Form_Load() {
  // The light line one pixel below the dark one: an etched separator.
  linLight.SetPoints(linDark.X1(), linDark.Y1() + 15, linDark.X2(), linDark.Y2() + 15);
  SetCaption("About " + Platform::App::Title());
  labProgram.SetCaption(Platform::App::EXEName());
  labDescription.SetCaption(Platform::App::FileDescription());
  labVersion.SetCaption(std::to_string(Platform::App::Major()) + "." +
                        std::to_string(Platform::App::Minor()) + "." +
                        std::to_string(Platform::App::Revision()));
}

void frmAbout::cmdClose_Click() {
  Unload();
}

void frmAbout::labWeb_Click() {
  Platform::OpenWithDesktop(Runtime::Trim(labWeb.Caption()));
}

void frmAbout::ShowManual(const std::string& manualFile) {
  for (int index = Manual.UBound(); index >= 1; --index) Manual.Unload(index);
  manualFiles_.clear();
  ManualFolder = Platform::GetSetting(Platform::App::EXEName(), "Help", "Manual Location",
                                      Platform::App::Path() + "/Manual/");
  Platform::DirListing listing;
  for (std::string name = listing.Start(ManualFolder + manualFile); !name.empty();
       name = listing.Next()) {
    Platform::Menu& entry = manualFiles_.empty() ? Manual[0] : Manual.Load(Manual.UBound() + 1);
    entry.SetCaption(StripExtension(name));
    manualFiles_.push_back(name);
  }
  if (manualFiles_.empty()) {
    // Without a word the command would seem broken, as it does on every
    // installation that ships no manual.
    Platform::MsgBox("No manual was found in the folder \"" + ManualFolder +
                         "\".\r\nThe folder is set by the \"Manual Location\" setting (section "
                         "\"Help\").",
                     Platform::MsgBoxStyles::Exclamation);
    return;
  }
  if (Manual.UBound() == 0)
    Manual_Click(0);
  else
    PopupMenu(Manuals);
}

void frmAbout::Manual_Click(int index) {
  if (index < 0 || index >= static_cast<int>(manualFiles_.size())) return;
  const std::string file = ManualFolder + manualFiles_[static_cast<size_t>(index)];
  if (!Platform::OpenWithDesktop(file))
    Platform::MsgBox("The manual \"" + file + "\" could not be opened.",
                     Platform::MsgBoxStyles::Exclamation);
}

std::string frmAbout::StripExtension(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace Kordex
