#pragma once

// Symbols of the Qt layer that other libraries and programs may use.
#define TAVRO_PLATFORM_GUI_API __attribute__((visibility("default")))
