#include "viewer/data/ReportHelpers.h"

#include "graph/render/Graph.h"
#include "platform/gui/Colour.h"

namespace Kordex::KordexModule {

void SetGraphStyle(Dravex::Graph& G) {
  G.ScrollBarDirection(Dravex::ScrollBarDirectionType::ScrollBarLeft);
  const auto nullSpace = G.NullSpace();
  nullSpace->FillColour(Platform::RGB(232, 232, 232));
  nullSpace->FillStyle(0);
  nullSpace->LineStyle(5);
}

}  // namespace Kordex::KordexModule
