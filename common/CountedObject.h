#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/Variant.h"

namespace Common {

// Base of every object of one library. It counts the objects of that library
// alive, so that the library can answer whether it may be unloaded: its code
// must stay loaded while a host still holds any of its objects.
//
// Tag names the library, so that each library keeps a count of its own. The
// library instantiates CountedObject<Tag> once, exported, in one of its
// sources ("template class"), and declares that instantiation ("extern
// template", exported) right after naming its tag, before any class derives
// from it: then objects made inside and outside the library count alike.
template <class Tag>
class CountedObject : public Runtime::Object {
 public:
  ~CountedObject() override;

  // The number of objects of the library alive now.
  static int32_t Alive();

 protected:
  CountedObject();
  CountedObject(const CountedObject&);
  CountedObject& operator=(const CountedObject&) = default;

 private:
  static std::atomic<int32_t> alive_;
};

template <class Tag>
CountedObject<Tag>::CountedObject() {
  ++alive_;
}

template <class Tag>
CountedObject<Tag>::CountedObject(const CountedObject&) : Runtime::Object() {
  ++alive_;
}

template <class Tag>
CountedObject<Tag>::~CountedObject() {
  --alive_;
}

template <class Tag>
int32_t CountedObject<Tag>::Alive() {
  return alive_.load();
}

template <class Tag>
std::atomic<int32_t> CountedObject<Tag>::alive_{0};

}  // namespace Common
