#pragma once

// Symbols of the platform library that other libraries and programs may use.
#define TAVRO_PLATFORM_API __attribute__((visibility("default")))
