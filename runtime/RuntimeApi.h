#pragma once

// Symbols of the runtime library that other libraries and programs may use.
#define TAVRO_RUNTIME_API __attribute__((visibility("default")))
