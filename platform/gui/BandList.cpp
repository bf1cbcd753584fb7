#include "platform/gui/BandList.h"

#include "platform/gui/Band.h"
#include "platform/gui/ListPlace.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

namespace {
constexpr const char* kSource = "Bands";
}

BandList::BandList(ToolBarControl& control) : control_(&control) {}

BandList::~BandList() = default;

int16_t BandList::Count() const {
  return static_cast<int16_t>(bands_.size());
}

size_t BandList::IndexOf(const Runtime::Variant& index) const {
  return ListPlace(index, bands_.size(), kSource, [this](const std::string& name) {
    size_t place = 0;
    while (place < bands_.size() && !Runtime::EqualsNoCase(bands_[place]->Name(), name)) ++place;
    return place;
  });
}

std::shared_ptr<Band> BandList::Item(const Runtime::Variant& index) const {
  return bands_[IndexOf(index)];
}

std::shared_ptr<Band> BandList::Add(const std::string& name, bool menuBar) {
  if (!control_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, kSource);
  if (name.empty()) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource);
  for (const auto& band : bands_) {
    if (Runtime::EqualsNoCase(band->Name(), name))
      Runtime::Raise(Runtime::ErrorNumber::DuplicateKey, kSource);
  }
  std::shared_ptr<Band> band(new Band(*control_, name, menuBar));
  bands_.push_back(band);
  control_->NoticeLayoutChanged();
  return band;
}

void BandList::Remove(const Runtime::Variant& index) {
  const size_t position = IndexOf(index);
  const std::shared_ptr<Band> band = bands_[position];
  bands_.erase(bands_.begin() + static_cast<std::ptrdiff_t>(position));
  if (!control_) return;
  // Tools made for the band alone go with it.
  band->Tools()->Clear();
  band->control_ = nullptr;
  band->Tools()->control_ = nullptr;
  control_->NoticeLayoutChanged();
}

}  // namespace Platform
