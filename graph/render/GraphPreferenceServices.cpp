#include "graph/render/GraphPreferenceServices.h"

#include "graph/prefs/GraphPreferenceDialog.h"

namespace Dravex {

namespace {

std::shared_ptr<GraphPreferenceServices>& Installed() {
  static std::shared_ptr<GraphPreferenceServices> services = MakeGraphPreferenceServices();
  return services;
}

}  // namespace

GraphPreferenceServices::~GraphPreferenceServices() = default;

std::shared_ptr<GraphPreferenceServices> GraphPreferenceServices::Current() {
  return Installed();
}

void GraphPreferenceServices::Install(std::shared_ptr<GraphPreferenceServices> services) {
  Installed() = services ? std::move(services) : MakeGraphPreferenceServices();
}

}  // namespace Dravex
