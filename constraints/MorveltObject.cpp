#include "constraints/MorveltObject.h"

#include <atomic>

namespace Morvelt {

namespace {

std::atomic<int32_t> alive{0};

}  // namespace

MorveltObject::MorveltObject() {
  ++alive;
}

MorveltObject::MorveltObject(const MorveltObject&) : Runtime::Object() {
  ++alive;
}

MorveltObject::~MorveltObject() {
  --alive;
}

int32_t MorveltObject::Alive() {
  return alive.load();
}

}  // namespace Morvelt
