#pragma once

#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltTypes.h"
#include "platform/Event.h"

namespace Morvelt {

// What a constraint set uses of the toolbar-and-menu control it is given: its
// tools by identifier, their availability flag and the ToolClick event, which
// reaches every holder of the control's events.
class MORVELT_API ToolBarLink {
 public:
  // The tool the control's tool collection holds under id; an identifier it
  // does not hold raises the collection's error.
  virtual ToolRef Tools(const std::string& id) = 0;
  // The identifier under which the control's tool collection finds the tool.
  virtual std::string ToolID(const ToolRef& tool) = 0;
  // The availability flag: the set offers exactly the tools whose flag is
  // true, and reads back what it wrote.
  virtual bool Available(const ToolRef& tool) = 0;
  virtual void Available(const ToolRef& tool, bool value) = 0;
  virtual Platform::Event<const ToolRef&>& ToolClick() = 0;

 protected:
  ~ToolBarLink() = default;
};

}  // namespace Morvelt
