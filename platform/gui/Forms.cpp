#include "platform/gui/Forms.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>

#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

struct Entry {
  Form* form;
  std::shared_ptr<Form> keep;
};

std::vector<Entry>& Loaded() {
  static std::vector<Entry> loaded;
  return loaded;
}

// Holds an unloaded form until the event loop deletes the holder: the form may
// still be running the handler that unloaded it.
class Keeper : public QObject {
 public:
  explicit Keeper(std::shared_ptr<Form> form) : form_(std::move(form)) {}

 private:
  std::shared_ptr<Form> form_;
};

}  // namespace

int Forms::Count() {
  return static_cast<int>(Loaded().size());
}

Form& Forms::Item(int index) {
  if (index < 0 || index >= Count()) Runtime::Raise(Runtime::ErrorNumber::SubscriptOutOfRange);
  return *Loaded()[static_cast<size_t>(index)].form;
}

std::vector<Form*> Forms::All() {
  std::vector<Form*> all;
  for (const Entry& entry : Loaded()) all.push_back(entry.form);
  return all;
}

int Forms::IndexOf(const Form& form) {
  const auto& loaded = Loaded();
  for (size_t i = 0; i < loaded.size(); ++i)
    if (loaded[i].form == &form) return static_cast<int>(i);
  return -1;
}

namespace Gui {

void AddLoaded(Form& form) {
  if (Forms::IndexOf(form) >= 0) return;
  Loaded().push_back(Entry{&form, form.weak_from_this().lock()});
}

void RemoveLoaded(Form& form) {
  auto& loaded = Loaded();
  auto it = std::find_if(loaded.begin(), loaded.end(),
                         [&](const Entry& entry) { return entry.form == &form; });
  if (it == loaded.end()) return;
  std::shared_ptr<Form> keep = std::move(it->keep);
  loaded.erase(it);
  if (keep && QCoreApplication::instance() != nullptr) (new Keeper(std::move(keep)))->deleteLater();
  QuitIfNoForms();
}

}  // namespace Gui

}  // namespace Platform
