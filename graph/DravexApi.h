#pragma once

// Symbols of the graph control library that the viewer and the constraint
// library may use; everything else stays inside the library.
#define DRAVEX_API __attribute__((visibility("default")))
