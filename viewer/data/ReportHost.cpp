#include "viewer/data/ReportHost.h"

#include <utility>

#include "runtime/Error.h"

namespace Kordex::KordexModule {

ReportWindow::~ReportWindow() = default;
ReportHost::~ReportHost() = default;

namespace {
std::shared_ptr<ReportHost>& Installed() {
  static std::shared_ptr<ReportHost> host;
  return host;
}
}  // namespace

ReportHost& Reports() {
  if (!Installed()) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, "KordexModule");
  return *Installed();
}

void SetReportHost(std::shared_ptr<ReportHost> Host) {
  Installed() = std::move(Host);
}

}  // namespace Kordex::KordexModule
