#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/CommandButton.h"
#include "platform/gui/ControlArray.h"
#include "platform/gui/Form.h"
#include "platform/gui/Image.h"
#include "platform/gui/Label.h"
#include "platform/gui/Line.h"
#include "platform/gui/Menu.h"

namespace Kordex {

// The About window: the program's name, description and version, a link to
// the maker's web site and a notice. It also lists the manuals (ShowManual),
// as a pop-up menu of their names, without being shown.
class frmAbout : public Platform::Form {
 public:
  frmAbout();
  ~frmAbout() override;

  // The program's About window, made and loaded hidden on first use, and
  // again once it was unloaded (Close, or the program's end).
  static std::shared_ptr<frmAbout> Window();

  // Lists the files of the manual folder that match manualFile (a pattern,
  // letter case aside) and opens the one the person picks; a single manual
  // opens at once. No manual, or no folder, and a manual the desktop cannot
  // open are told in a message box.
  void ShowManual(const std::string& manualFile);

  void Form_Initialize() override;
  void Form_Load() override;

  // The folder of the manuals as last listed: the per-user "Help" / "Manual
  // Location", a plain prefix of the file names.
  std::string ManualFolder;

  Platform::Label Label1{*this, "Label1"};
  Platform::Label Label3{*this, "Label3"};
  Platform::Label Label4{*this, "Label4"};
  Platform::Label Label2{*this, "Label2"};
  Platform::Label labProgram{*this, "labProgram"};
  Platform::Label labDescription{*this, "labDescription"};
  Platform::Label labVersion{*this, "labVersion"};
  Platform::Label labWeb{*this, "labWeb"};
  Platform::Label Label5{*this, "Label5"};
  Platform::Line linDark{*this, "linDark"};
  Platform::Line linLight{*this, "linLight"};
  Platform::CommandButton cmdClose{*this, "cmdClose"};
  Platform::Image Image1{*this, "Image1"};
  Platform::Menu Manuals{*this, "Manuals"};
  Platform::ControlArray<Platform::Menu> Manual{Manuals, "Manual"};

 private:
  void cmdClose_Click();
  void labWeb_Click();
  void Manual_Click(int index);
  // The file name without its extension.
  static std::string StripExtension(const std::string& fileName);

  // The file of each manual entry, as the folder holds it.
  std::vector<std::string> manualFiles_;
};

}  // namespace Kordex
