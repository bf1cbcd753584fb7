#pragma once

#include <memory>

#include "graph/render/GraphPreferenceServices.h"

namespace Dravex {

class GraphPreferenceForm;

// The most series the dialog holds: the offset of a 28th row does not fit
// the dialog's 16-bit row arithmetic.
inline constexpr int16_t kMostPreferenceRows = 27;

// The library's preferences: the "Graph Preferences" dialog and the registry
// store (GraphPreferenceStore), as every graph uses them.
std::shared_ptr<GraphPreferenceServices> MakeGraphPreferenceServices();

// The library's one dialog, made and loaded on first use and kept loaded and
// hidden between calls. The loaded forms keep it alive: once unloaded (at the
// end of the program) the next call makes a new one.
std::shared_ptr<GraphPreferenceForm> PreferenceDialog();

}  // namespace Dravex
