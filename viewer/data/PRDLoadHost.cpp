#include "viewer/data/PRDLoadHost.h"

namespace Kordex {

namespace {

std::shared_ptr<PRDLoadHost>& HostSlot() {
  static std::shared_ptr<PRDLoadHost> host = std::make_shared<PRDLoadHost>();
  return host;
}

}  // namespace

PRDLoadHost::~PRDLoadHost() = default;

std::unique_ptr<LoadForm> PRDLoadHost::NewLoadForm() {
  return std::make_unique<WindowlessLoadForm>();
}

void PRDLoadHost::DoEvents() {}

std::chrono::steady_clock::time_point PRDLoadHost::Now() {
  return std::chrono::steady_clock::now();
}

void PRDLoadHost::ShowMessage(const std::string& /*Prompt*/, const std::string& /*Title*/) {}

std::shared_ptr<PRDLoadHost> LoadHost() {
  return HostSlot();
}

void SetLoadHost(std::shared_ptr<PRDLoadHost> Host) {
  HostSlot() = Host ? std::move(Host) : std::make_shared<PRDLoadHost>();
}

}  // namespace Kordex
