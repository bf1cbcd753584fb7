#include "constraints/TavroConstraintCol.h"

#include <exception>

#include "common/Logging.h"
#include "constraints/MorveltFunctions.h"
#include "platform/Paths.h"
#include "runtime/Error.h"

namespace Morvelt {

namespace {

constexpr const char* LogName = "TavroSPC";

// The library's log never fails its caller: a line that cannot be written is
// dropped.
void Log(const std::string& text, int32_t level) {
  try {
    Common::WriteLog(LogName, text, level);
  } catch (const std::exception&) {
  }
}

}  // namespace

TavroConstraintCol::TavroConstraintCol() {
  Common::LogLevel = 2;
  Common::LogDir = Platform::LogFolder();
  Log("Initialise " + VersionText("V"), 1);
}

TavroConstraintCol::~TavroConstraintCol() {
  Log("Terminate", 1);
}

void TavroConstraintCol::MenuSelectionEvent(
    std::shared_ptr<TavroSPCConstraints>& newTavroSPCConstraints) {
  Log("MenuSelectionEvent", 2);
  bool createNewForm = true;
  MenuSelection.Raise(newTavroSPCConstraints, createNewForm);
}

void TavroConstraintCol::Add(const std::shared_ptr<TavroSPCConstraints>& newTavroSPCConstraints,
                             const std::string& key) {
  Log("Add", 2);
  if (!newTavroSPCConstraints) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  newTavroSPCConstraints->Parent(weak_from_this().lock());
  Append(newTavroSPCConstraints, key);
}

int16_t TavroConstraintCol::Count() {
  Log("Count", 2);
  return MorveltCollection::Count();
}

std::shared_ptr<TavroSPCConstraints> TavroConstraintCol::Item(const Runtime::Variant& index) {
  Log("Item", 2);
  return MorveltCollection::Item(index);
}

void TavroConstraintCol::Remove(const Runtime::Variant& index) {
  Log("Remove", 2);
  MorveltCollection::Remove(index);
}

}  // namespace Morvelt
