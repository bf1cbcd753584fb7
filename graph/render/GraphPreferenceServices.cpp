#include "graph/render/GraphPreferenceServices.h"

namespace Dravex {

namespace {

class NoPreferences : public GraphPreferenceServices {
 public:
  void ShowPreferences(Graph&, GraphPreferences) override {}
  void SavePreferences(Graph&, const std::string&, const std::string&,
                       const std::string&) override {}
  void LoadPreferences(Graph&, const std::string&, const std::string&, const std::string&,
                       const Runtime::Variant&) override {}
};

std::shared_ptr<GraphPreferenceServices>& Installed() {
  static std::shared_ptr<GraphPreferenceServices> services = std::make_shared<NoPreferences>();
  return services;
}

}  // namespace

GraphPreferenceServices::~GraphPreferenceServices() = default;

std::shared_ptr<GraphPreferenceServices> GraphPreferenceServices::Current() {
  return Installed();
}

void GraphPreferenceServices::Install(std::shared_ptr<GraphPreferenceServices> services) {
  Installed() = services ? std::move(services) : std::make_shared<NoPreferences>();
}

}  // namespace Dravex
