#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "constraints/GraphLink.h"
#include "constraints/ToolBarLink.h"
#include "graph/model/GraphXAxis.h"
#include "runtime/Collection.h"

namespace ConstraintsTest {

// A tool of the toolbar double: its identifier and availability flag.
struct FakeTool : Runtime::Object {
  explicit FakeTool(std::string id) : id(std::move(id)) {}
  std::string id;
  bool available = true;
};

// Stands in for the toolbar-and-menu control: tools by identifier (without
// regard to case, a missing one raises the collection's error) and ToolClick.
class FakeToolBar : public Morvelt::ToolBarLink {
 public:
  std::shared_ptr<FakeTool> Add(const std::string& id) {
    auto tool = std::make_shared<FakeTool>(id);
    tools.Add(Runtime::Variant(tool), Runtime::Variant(id));
    return tool;
  }
  std::shared_ptr<FakeTool> Tool(const std::string& id) {
    return tools.Item(Runtime::Variant(id)).ObjectAs<FakeTool>();
  }
  bool IsAvailable(const std::string& id) { return Tool(id)->available; }

  Morvelt::ToolRef Tools(const std::string& id) override {
    return tools.Item(Runtime::Variant(id)).GetObject();
  }
  std::string ToolID(const Morvelt::ToolRef& tool) override { return As(tool).id; }
  bool Available(const Morvelt::ToolRef& tool) override { return As(tool).available; }
  void Available(const Morvelt::ToolRef& tool, bool value) override { As(tool).available = value; }
  Platform::Event<const Morvelt::ToolRef&>& ToolClick() override { return toolClick; }

  Runtime::Collection tools;
  Platform::Event<const Morvelt::ToolRef&> toolClick;

 private:
  static FakeTool& As(const Morvelt::ToolRef& tool) { return dynamic_cast<FakeTool&>(*tool); }
};

// Stands in for the graph: an X axis and the SelectPoints event.
class FakeGraph : public Morvelt::GraphLink {
 public:
  std::shared_ptr<Dravex::GraphXAxis> XAxis() const override { return xAxis; }
  Platform::Event<int16_t&, int16_t&>& SelectPoints() override { return selectPoints; }

  void Select(int16_t from, int16_t to) { selectPoints.Raise(from, to); }

  std::shared_ptr<Dravex::GraphXAxis> xAxis = std::make_shared<Dravex::GraphXAxis>();
  Platform::Event<int16_t&, int16_t&> selectPoints;
};

}  // namespace ConstraintsTest
