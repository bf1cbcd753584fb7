#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/Event.h"
#include "platform/gui/RecordingSurface.h"

namespace GraphTest {

// A picture box over a recording surface, for the control's canvases.
inline std::unique_ptr<Dravex::DetachedPictureBox> RecordingBox() {
  auto surface = std::make_shared<Platform::RecordingSurface>(0, 0);
  auto resize = [recording = surface.get()](double width, double height) {
    recording->Resize(width, height);
  };
  return std::make_unique<Dravex::DetachedPictureBox>(std::move(surface), std::move(resize));
}

// A form with a Graph on it, as a host sees the control: the form's Unload
// event, the control's site with recording canvases, and a listener that logs
// NumLabels and ScrollBarSize in order and answers them from queues (True
// once a queue is empty).
class TestHost {
 public:
  explicit TestHost(double width = 640, double height = 480)
      : site(std::make_shared<Dravex::DetachedGraphSite>(width, height, &RecordingBox)) {
    site->ParentUnload(&Unload);
    graph = Dravex::Graph::New(site);
    graph->UserControl_ReadProperties();
    listening.push_back(graph->NumLabels.Connect([this](Dravex::SizeEventType what, bool& action) {
      log.push_back(std::string("NumLabels ") + Name(what));
      action = Answer(labelAnswers);
    }));
    listening.push_back(
        graph->ScrollBarSize.Connect([this](Dravex::SizeEventType what, bool& action) {
          log.push_back(std::string("ScrollBarSize ") + Name(what));
          localDrawDuringScrollBarSize = graph->LocalDraw();
          action = Answer(scrollBarAnswers);
        }));
  }

  Platform::RecordingSurface& Canvas() const {
    return dynamic_cast<Platform::RecordingSurface&>(*site->Canvas().Surface());
  }
  size_t Drawings() const { return Canvas().RecordsOf("Cls").size(); }

  // The host form unloads.
  void UnloadForm() {
    int16_t cancel = 0;
    Unload.Raise(cancel);
  }

  Platform::Event<int16_t&> Unload;
  std::shared_ptr<Dravex::DetachedGraphSite> site;
  std::shared_ptr<Dravex::Graph> graph;
  std::vector<std::string> log;
  std::deque<bool> labelAnswers;
  std::deque<bool> scrollBarAnswers;
  bool localDrawDuringScrollBarSize = true;

 private:
  static const char* Name(Dravex::SizeEventType what) {
    return what == Dravex::SizeEventType::TooFew ? "TooFew" : "TooMany";
  }
  static bool Answer(std::deque<bool>& answers) {
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Platform::ScopedConnection> listening;
};

}  // namespace GraphTest
