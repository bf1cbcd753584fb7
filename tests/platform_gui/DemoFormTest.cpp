// A small dialog with every standard control, rendered to a picture in the build
// folder (platform_gui/DemoForm.png) for a person to look at.
#include <QDir>
#include <QImage>
#include <cstdlib>

#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/Frame.h"
#include "platform/gui/Image.h"
#include "platform/gui/Label.h"
#include "platform/gui/Line.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Menu.h"
#include "platform/gui/OptionButton.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Shape.h"
#include "platform/gui/TextBox.h"
#include "platform/gui/Timer.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

class DemoForm : public Form {
 public:
  DemoForm() : Form("DemoForm") {
    SetCaption("Preferences");
    SetBorderStyle(BorderStyles::FixedDialog);
    SetClientSize(7200, 4560);
    mnuFile.SetCaption("&File");
    mnuClose.SetCaption("&Close");
    mnuHelp.SetCaption("&Help");

    labDirectory.SetCaption("Data Directory");
    labDirectory.Move(120, 180, 1400, 255);
    txtDirectory.Move(1560, 120, 3360, 315);
    txtDirectory.SetText("/srv/kordex/Data/");
    cmdBrowse.SetCaption("...");
    cmdBrowse.Move(4980, 120, 420, 315);

    fraLines.SetCaption("Production Line");
    fraLines.Move(120, 600, 2640, 1920);
    lstLines.Move(120, 300, 2400, 1500);
    for (const char* line : {"Line 1 - SMT A", "Line 2 - SMT B", "Line 3 - Prototype"})
      lstLines.AddItem(line);
    lstLines.SetListIndex(1);

    labTrend.SetCaption("Trend");
    labTrend.Move(2940, 660, 900, 255);
    cboTrend.SetStyle(ComboStyles::DropDownList);
    cboTrend.AddItem("None");
    cboTrend.AddItem("Linear");
    cboTrend.SetListIndex(1);
    cboTrend.Move(3900, 600, 1500, 315);
    chkSave.SetCaption("Save Preference");
    chkSave.SetValue(1);
    chkSave.Move(2940, 1020, 2400, 300);
    optActual.SetCaption("Actual");
    optActual.SetValue(true);
    optActual.Move(2940, 1380, 1200, 300);
    optPercent.SetCaption("Percent");
    optPercent.Move(4200, 1380, 1200, 300);
    hscHistory.Move(2940, 1800, 2460, 255);
    hscHistory.SetMax(730);
    hscHistory.SetValue(100);
    prgLoad.Move(2940, 2220, 2460, 255);
    prgLoad.SetValue(65);

    picExample.Move(5580, 120, 1500, 1500);
    ImageSurface& drawing = picExample.Drawing();
    drawing.SetBackColor(RGB(255, 255, 255));
    drawing.Line(10, 80, 90, 20, RGB(0, 0, 160));
    drawing.Line(15, 60, 35, 85, RGB(128, 128, 255), LineShape::FilledBox);
    drawing.Line(45, 40, 65, 85, RGB(255, 128, 128), LineShape::FilledBox);
    drawing.SetCurrentX(8);
    drawing.SetCurrentY(4);
    drawing.Print("Mean");
    vscZoom.Move(6840, 1740, 255, 780);

    QImage logo(32, 32, QImage::Format_ARGB32);
    logo.fill(QColor(0, 0, 128));
    for (int i = 0; i < 32; ++i) logo.setPixelColor(i, 31 - i, QColor(255, 200, 0));
    imgLogo.SetPicture(PictureOf(logo));
    imgLogo.Move(5580, 1800, 480, 480);
    shpBox.Move(6120, 1800, 600, 480);
    shpBox.SetFillStyle(FillStyles::Solid);
    shpBox.SetFillColor(RGB(128, 255, 255));
    shpBox.SetBorderColor(RGB(0, 128, 0));

    linDark.SetPoints(120, 2700, 7080, 2700);
    linDark.SetBorderColor(RGB(128, 128, 128));
    linLight.SetPoints(120, 2715, 7080, 2715);
    linLight.SetBorderColor(RGB(255, 255, 255));

    labStatus.SetCaption("Panel Count: 1250 of 2000 boards placed");
    labStatus.Move(120, 2880, 4200, 255);
    cmdOk.SetCaption("Ok");
    cmdOk.Move(2880, 3960, 1215, 375);
    cmdApply.SetCaption("Apply");
    cmdApply.Move(4200, 3960, 1215, 375);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.Move(5520, 3960, 1215, 375);
    tmrRefresh.SetInterval(1000);
  }

  Menu mnuFile{*this, "mnuFile"};
  Menu mnuClose{mnuFile, "mnuClose"};
  Menu mnuHelp{*this, "mnuHelp"};
  Label labDirectory{*this, "labDirectory"};
  TextBox txtDirectory{*this, "txtDirectory"};
  CommandButton cmdBrowse{*this, "cmdBrowse"};
  Frame fraLines{*this, "fraLines"};
  ListBox lstLines{fraLines, "lstLines"};
  Label labTrend{*this, "labTrend"};
  ComboBox cboTrend{*this, "cboTrend"};
  CheckBox chkSave{*this, "chkSave"};
  OptionButton optActual{*this, "optActual"};
  OptionButton optPercent{*this, "optPercent"};
  HScrollBar hscHistory{*this, "hscHistory"};
  ProgressBar prgLoad{*this, "prgLoad"};
  PictureBox picExample{*this, "picExample"};
  VScrollBar vscZoom{*this, "vscZoom"};
  Image imgLogo{*this, "imgLogo"};
  Shape shpBox{*this, "shpBox"};
  Line linDark{*this, "linDark"};
  Line linLight{*this, "linLight"};
  Label labStatus{*this, "labStatus"};
  CommandButton cmdOk{*this, "cmdOk"};
  CommandButton cmdApply{*this, "cmdApply"};
  CommandButton cmdCancel{*this, "cmdCancel"};
  Timer tmrRefresh{*this, "tmrRefresh"};
};

}  // namespace

TEST_F(FormsTest, DemoFormWithEveryControlRendersToAPicture) {
  auto form = std::make_shared<DemoForm>();
  form->Show();
  DoEvents();
  const QImage picture = form->Window().top->grab().toImage();
  EXPECT_GE(picture.width(), 480);
  // The drawing of the picture box shows through.
  EXPECT_EQ(WidgetOf(form->picExample)->grab().toImage().pixelColor(30, 80), QColor(128, 128, 255));
  const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR");
  if (binary == nullptr) return;
  const QString folder = QString::fromLocal8Bit(binary) + QStringLiteral("/platform_gui");
  QDir().mkpath(folder);
  EXPECT_TRUE(picture.save(folder + QStringLiteral("/DemoForm.png")));
}
