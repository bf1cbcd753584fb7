#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"
#include "runtime/Variant.h"

namespace Morvelt {

// Result codes of the registration functions, numbered as the component
// model numbers them.
namespace ClassResult {
inline constexpr int32_t Ok = 0;
inline constexpr int32_t False = 1;
inline constexpr int32_t NullPointer = static_cast<int32_t>(0x80004003u);
inline constexpr int32_t ClassNotAvailable = static_cast<int32_t>(0x80040111u);
inline constexpr int32_t RegisterFailed = static_cast<int32_t>(0x80040201u);
}  // namespace ClassResult

// One creatable class of a library: its name, its class identifier and how a
// new object of it is made.
struct ClassEntry {
  std::string Name;
  std::string ClassId;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
  Runtime::ObjectRef (*Create)();
};

// A new T, as a class entry makes it.
template <class T>
Runtime::ObjectRef MakeObject() {
  return std::make_shared<T>();
}

// Makes new objects of one class: what DllGetClassObject hands out.
class MORVELT_API ClassFactory : public MorveltObject {
 public:
  explicit ClassFactory(ClassEntry entry) : entry_(std::move(entry)) {}
  const ClassEntry& Entry() const { return entry_; }
  Runtime::ObjectRef CreateInstance() const { return entry_.Create(); }

 private:
  ClassEntry entry_;
};

// The registry side of a library's classes, kept in the machine root of the
// registry store under "Software\Classes":
//   CLSID\{id}                 (default) the programmatic name
//   CLSID\{id}\InprocServer32  (default) the library's file
//   CLSID\{id}\ProgID          (default) the programmatic name
//   <library>.<class>\CLSID    (default) {id}
// where the programmatic name is the type library's name, ".", the class name.
namespace ClassRegistry {

MORVELT_API int32_t Register(const std::string& typeLibrary, const std::string& libraryFile,
                             const std::vector<ClassEntry>& classes);
MORVELT_API int32_t Unregister(const std::string& typeLibrary,
                               const std::vector<ClassEntry>& classes);
// The factory of the class with that identifier (without regard to case), or
// nullptr.
MORVELT_API std::shared_ptr<ClassFactory> Factory(const std::string& classId,
                                                  const std::vector<ClassEntry>& classes);

}  // namespace ClassRegistry

}  // namespace Morvelt
