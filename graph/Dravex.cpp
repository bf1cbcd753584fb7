#include "graph/Dravex.h"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <functional>

#include "graph/model/DravexObject.h"
#include "graph/model/GraphSection.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphValueCol.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/model/GraphYAxis.h"
#include "graph/render/Graph.h"
#include "platform/Paths.h"
#include "runtime/CaseFold.h"

namespace {

using Dravex::RegisteredClass;
using Dravex::ServerResult::ClassNotAvailable;
using Dravex::ServerResult::InvalidPointer;
using Dravex::ServerResult::Ok;
using Dravex::ServerResult::RegistrationFailed;

template <class T>
std::shared_ptr<Runtime::Object> Make() {
  return std::make_shared<T>();
}

// The classes hosts may make: the control, and the objects of its model that
// they build for themselves.
struct ServedClass {
  RegisteredClass Entry;
  std::shared_ptr<Runtime::Object> (*Create)();
};
const std::array<ServedClass, 7> Served = {{
    {{GraphClassId, "Plotmere.Graph", "Graph"},
     [] { return std::shared_ptr<Runtime::Object>(Dravex::Graph::New()); }},
    {{"{57D5B4FF-0308-4737-9214-092D2C6ADCCF}", "Plotmere.GraphValueCol", "GraphValueCol"},
     &Make<Dravex::GraphValueCol>},
    {{"{4E0C5C47-575B-412F-B408-7DDCA6AAFF54}", "Plotmere.GraphXAxis", "GraphXAxis"},
     &Make<Dravex::GraphXAxis>},
    {{"{AA50B38A-6756-46C9-9972-0B7D273B66BF}", "Plotmere.GraphYAxis", "GraphYAxis"},
     &Make<Dravex::GraphYAxis>},
    {{"{C4E1947F-0F5A-46E2-B8C5-A549E07F7B29}", "Plotmere.GraphXAxisLabelCol",
      "GraphXAxisLabelCol"},
     &Make<Dravex::GraphXAxisLabelCol>},
    {{"{1DD25EA4-298C-4130-A6ED-1642D93D5AE3}", "Plotmere.GraphText", "GraphText"},
     &Make<Dravex::GraphText>},
    {{"{F8F76C5C-ED31-4059-8BFE-EB3457BB7131}", "Plotmere.GraphSection", "GraphSection"},
     &Make<Dravex::GraphSection>},
}};

std::array<RegisteredClass, Served.size()> Entries() {
  std::array<RegisteredClass, Served.size()> entries;
  for (size_t i = 0; i < Served.size(); ++i) entries[i] = Served[i].Entry;
  return entries;
}

// A factory is an object of the library too: while a host holds one, the
// library stays loaded.
class Factory : public Dravex::DravexObject, public Dravex::ClassFactory {
 public:
  explicit Factory(std::shared_ptr<Runtime::Object> (*create)()) : create_(create) {}
  std::shared_ptr<Runtime::Object> CreateInstance() override { return create_(); }

 private:
  std::shared_ptr<Runtime::Object> (*create_)();
};

// Where this library was loaded from, as a system path; "" when unknown.
std::string LibraryPath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname) {
    return {};
  }
  std::error_code error;
  const auto path = std::filesystem::absolute(info.dli_fname, error);
  return error ? std::string() : Platform::SystemPath(path.string());
}

}  // namespace

extern "C" const char* DravexVersion() {
  return DRAVEX_VERSION;
}

extern "C" int32_t DllRegisterServer() {
  const std::string path = LibraryPath();
  if (path.empty()) return RegistrationFailed;
  const auto entries = Entries();
  return Dravex::RegisterClasses(entries, path);
}

extern "C" int32_t DllUnregisterServer() {
  const auto entries = Entries();
  return Dravex::UnregisterClasses(entries);
}

extern "C" int32_t DllGetClassObject(const char* classId,
                                     std::shared_ptr<Dravex::ClassFactory>* factory) {
  if (classId == nullptr || factory == nullptr) return InvalidPointer;
  for (const ServedClass& served : Served) {
    if (Runtime::EqualsNoCase(served.Entry.ClassId, classId)) {
      *factory = std::make_shared<Factory>(served.Create);
      return Ok;
    }
  }
  factory->reset();
  return ClassNotAvailable;
}

extern "C" int32_t DllCanUnloadNow() {
  return Dravex::DravexObject::Alive() == 0 ? Ok : Dravex::ServerResult::False;
}
