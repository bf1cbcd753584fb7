#pragma once

#include "graph/model/GraphTypes.h"
#include "platform/gui/Picture.h"

namespace Dravex::GraphLogo {

// The product's logo, 308 by 218 pixels, on the background colour given.
// Drawn once per colour and kept.
Platform::Picture Picture(GraphColour background);

}  // namespace Dravex::GraphLogo
