#include "graph/model/DravexObject.h"

#include <atomic>

namespace Dravex {

namespace {

std::atomic<int32_t> alive{0};

}  // namespace

DravexObject::DravexObject() {
  ++alive;
}

DravexObject::DravexObject(const DravexObject&) : Runtime::Object() {
  ++alive;
}

DravexObject::~DravexObject() {
  --alive;
}

int32_t DravexObject::Alive() {
  return alive.load();
}

}  // namespace Dravex
