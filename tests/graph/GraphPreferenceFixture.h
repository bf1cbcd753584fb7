#pragma once

// A chart's graph with series, the person's stand-in, and the library's own
// preferences dialog, for the tests of the graph preferences.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <memory>
#include <string>

#include "graph/prefs/GraphPreferenceDialog.h"
#include "graph/prefs/GraphPreferenceForm.h"
#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/ScriptedResponder.h"
#include "tests/graph/GraphTestHost.h"

class GraphPreferenceFixture : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    Platform::SetResponder(responder);
  }
  void TearDown() override {
    for (Platform::Form* form : Platform::Forms::All())
      form->UnloadFor(Platform::UnloadModes::AppWindows);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform::SetResponder(nullptr);
  }

  void AddSeries(int count) {
    for (int i = 1; i <= count; ++i)
      host.graph->AddSeries("S" + std::to_string(i), Dravex::SeriesStyleType::LineGraph);
  }
  std::shared_ptr<Dravex::GraphStats> Stats(int series) const {
    return host.graph->Series()->Item(Runtime::Variant(int16_t(series)))->StatsAlarms();
  }
  // The person's turn at each modal show: play, then press a button.
  void Play(std::function<void(Dravex::GraphPreferenceForm&)> play) {
    responder->OnModal = [play](Platform::Form& form) {
      play(static_cast<Dravex::GraphPreferenceForm&>(form));
    };
  }

  std::shared_ptr<Platform::ScriptedResponder> responder =
      std::make_shared<Platform::ScriptedResponder>();
  GraphTest::TestHost host;
};
