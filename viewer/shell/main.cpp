// TavroKordex: the viewer of the placement lines' production data.
#include <memory>

#include "platform/gui/App.h"
#include "platform/gui/Application.h"
#include "platform/gui/EventEntry.h"
#include "viewer/shell/MainForm.h"

int main(int argc, char** argv) {
  Platform::InitialiseApplication(argc, argv);
  Platform::App::SetProductName("Tavro Kordex Viewer");
  Platform::App::SetFileDescription("Production Data Viewer");
  Platform::App::SetTitle("Tavro Kordex Viewer");
  int code = 0;
  {
    auto main = std::make_shared<Kordex::MainForm>();
    Platform::EnterEventHandler([&main] { main->Load(); });
    code = Platform::RunApplication();
  }
  // The main window goes first: its windows need the window system.
  Platform::ShutdownApplication();
  return code;
}
