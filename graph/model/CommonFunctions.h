#pragma once

#include <utility>

// Small general routines of the graph library.
namespace Dravex::CommonFunctions {

// Exchanges the contents of a and b.
template <class T>
void Swap(T& a, T& b) {
  T kept = std::move(a);
  a = std::move(b);
  b = std::move(kept);
}

}  // namespace Dravex::CommonFunctions
