#include "graph/render/GraphSite.h"

namespace Dravex {

GraphPictureBox::~GraphPictureBox() = default;
GraphHScrollBar::~GraphHScrollBar() = default;
GraphSite::~GraphSite() = default;

}  // namespace Dravex
