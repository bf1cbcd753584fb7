#pragma once

// Symbols of the shortcut-bar library that its hosts may use; everything else
// stays inside the library.
#define QUILLON_API __attribute__((visibility("default")))
