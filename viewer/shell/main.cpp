// TavroKordex: the viewer of the placement lines' production data.
#include <memory>

#include "platform/gui/App.h"
#include "platform/gui/Application.h"
#include "viewer/shell/MainForm.h"

int main(int argc, char** argv) {
  return Platform::RunProgram(argc, argv, [] {
    Platform::App::SetProductName("Tavro Kordex Viewer");
    Platform::App::SetFileDescription("Production Data Viewer");
    Platform::App::SetTitle("Tavro Kordex Viewer");
    return std::make_shared<Kordex::MainForm>();
  });
}
