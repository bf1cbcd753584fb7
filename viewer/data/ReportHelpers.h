#pragma once

namespace Dravex {
class Graph;
}

namespace Kordex::KordexModule {

// The standard look of a report chart: its X scroll bar opens at the first
// positions, and positions without data are shaded a solid light grey without
// an outline.
void SetGraphStyle(Dravex::Graph& G);

}  // namespace Kordex::KordexModule
