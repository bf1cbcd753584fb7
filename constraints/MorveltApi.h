#pragma once

// Symbols of the constraint library that the viewer may use; everything else
// stays inside the library.
#define MORVELT_API __attribute__((visibility("default")))
