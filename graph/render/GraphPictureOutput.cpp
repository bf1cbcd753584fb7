// The Graph control's picture output: the chart, with its title bar, on the
// clipboard or in a picture file.
#include "graph/render/Graph.h"
#include "platform/gui/Clipboard.h"

namespace Dravex {

void Graph::Copy() {
  OutputPicture([](const Platform::Picture& picture) {
    Platform::Clipboard::Clear();
    Platform::Clipboard::SetData(picture);
  });
}

void Graph::Save(const std::string& fileName) {
  OutputPicture([&fileName](const Platform::Picture& picture) { picture.Save(fileName); });
}

void Graph::OutputPicture(const std::function<void(const Platform::Picture&)>& put) {
  const std::shared_ptr<Platform::Surface> surface = Frame();
  // What the surface shows, kept aside: on a host's picture box the drawing
  // is no part of its Picture. The printer has none and fails here.
  const std::shared_ptr<Platform::Surface> aside = site_->TempCanvas().Surface();
  aside->SetPicture(surface->Image());
  try {
    Draw(true);
    // The drawing just made: only the Canvas takes it as its Picture.
    put(surface->Image());
  } catch (...) {
    surface->SetPicture(aside->GetPicture());
    throw;
  }
  surface->SetPicture(aside->GetPicture());
}

}  // namespace Dravex
