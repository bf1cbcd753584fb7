#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "graph/DravexApi.h"
#include "runtime/Variant.h"

// The class registry of a control library: which classes it serves, under
// which class identifiers and programmatic names, and where the library is.
// It lives in the registry store (machine root, "Software\Classes"):
//
//   [Software\Classes\CLSID\{class id}]          @ = the class name
//   [Software\Classes\CLSID\{class id}\InprocServer32]  @ = the library's path
//   [Software\Classes\CLSID\{class id}\ProgID]   @ = the programmatic name
//   [Software\Classes\<programmatic name>]       @ = the class name
//   [Software\Classes\<programmatic name>\CLSID] @ = the class id
//
// A host finds the library of a class here, loads it and asks its exported
// DllGetClassObject for a factory of the class.

namespace Dravex {

// Result codes of a library's exported entry points.
namespace ServerResult {
inline constexpr int32_t Ok = 0;
inline constexpr int32_t False = 1;
inline constexpr int32_t InvalidPointer = static_cast<int32_t>(0x80004003u);
inline constexpr int32_t ClassNotAvailable = static_cast<int32_t>(0x80040111u);
inline constexpr int32_t RegistrationFailed = static_cast<int32_t>(0x80040201u);
}  // namespace ServerResult

// Makes objects of one class of a library.
class DRAVEX_API ClassFactory {
 public:
  virtual ~ClassFactory();
  virtual std::shared_ptr<Runtime::Object> CreateInstance() = 0;
};

// A class as the registry knows it. The class id is written with its braces.
struct RegisteredClass {
  std::string_view ClassId;
  std::string_view ProgId;
  std::string_view Name;
};

// Writes the classes into the registry, served by the library at libraryPath
// (a system path). RegistrationFailed when the store refuses a write.
DRAVEX_API int32_t RegisterClasses(std::span<const RegisteredClass> classes,
                                   std::string_view libraryPath);
// Removes the classes' keys; keys already gone are no failure.
DRAVEX_API int32_t UnregisterClasses(std::span<const RegisteredClass> classes);
// The path of the library registered for a class id or programmatic name; ""
// when the class is not registered.
DRAVEX_API std::string ClassLibrary(std::string_view classIdOrProgId);

}  // namespace Dravex
