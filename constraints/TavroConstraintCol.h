#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltCollection.h"
#include "constraints/TavroSPCConstraints.h"
#include "platform/Event.h"
#include "runtime/Variant.h"

namespace Morvelt {

// Every constraint set of the program, one per open chart window, and the
// channel through which a drill-down hands its new set to the host
// (MenuSelection). Each member writes its line to the library's "TavroSPC"
// log before it does its work.
//
// Make it with std::make_shared: Add gives each set a Parent that refers to
// the collection without keeping it alive.
class MORVELT_API TavroConstraintCol : public MorveltCollection<TavroSPCConstraints>,
                                       public std::enable_shared_from_this<TavroConstraintCol> {
 public:
  // Sets the library's log to level 2 in the log folder and logs
  // "Initialise V3.1.15".
  TavroConstraintCol();
  // Logs "Terminate".
  ~TavroConstraintCol() override;

  // Raises MenuSelection with the set and CreateNewForm True.
  void MenuSelectionEvent(std::shared_ptr<TavroSPCConstraints>& newTavroSPCConstraints);
  // Makes this collection the set's Parent, then appends it, under key when
  // key is not "" (a key present already raises 457).
  void Add(const std::shared_ptr<TavroSPCConstraints>& newTavroSPCConstraints,
           const std::string& key = "");
  int16_t Count();
  // By position or key; a bad one raises the collection's error.
  std::shared_ptr<TavroSPCConstraints> Item(const Runtime::Variant& index);
  void Remove(const Runtime::Variant& index);

  // The new set of a drill-down, and whether the host should open a new
  // window for it (always True when raised; not read back).
  Platform::Event<std::shared_ptr<TavroSPCConstraints>&, bool&> MenuSelection;
};

}  // namespace Morvelt
