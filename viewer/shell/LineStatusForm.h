#pragma once

#include <cstdint>
#include <string>

#include "platform/gui/Form.h"

namespace Platform {
class Surface;
}

namespace Kordex {

// The child window of one production line's status: it draws its status text
// centred and as large as the window allows, and has no controls.
class LineStatusForm : public Platform::Form {
 public:
  LineStatusForm();
  ~LineStatusForm() override;

  int16_t intProductionLine = 0;
  // The status text, lines separated by CR LF.
  std::string strText;

  void Form_Initialize() override;
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
  // Draws the status text anew.
  void Form_Resize() override;
  void Form_Unload(int16_t& Cancel) override;

  // Draws Text on Surface for an area of ScaleWidth x ScaleHeight: cleared,
  // then, unless the text is empty or the area has no room, the font is
  // scaled so that the text block fills 90 % of the tighter dimension and
  // every line is printed centred.
  static void DrawStatusText(Platform::Surface& Surface, const std::string& Text, double ScaleWidth,
                             double ScaleHeight);
};

}  // namespace Kordex
