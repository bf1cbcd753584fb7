#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "viewer/data/LoadForm.h"
#include "viewer/data/PRDLoadHost.h"

namespace LoadTest {

// A load host that writes down what a load does with it, in order: "Show",
// "Label <caption>", "Bar <value>", "Max <max>", "Refresh", "Unload" of its
// windows, "DoEvents", and the messages.
class RecordingHost : public Kordex::PRDLoadHost {
 public:
  class Form : public Kordex::WindowlessLoadForm {
   public:
    explicit Form(RecordingHost& host) : host_(host) {}
    void SetLoadBarMax(double Max) override {
      WindowlessLoadForm::SetLoadBarMax(Max);
      host_.Log.push_back("Max " + Number(Max));
    }
    void SetLoadBarValue(double Value) override {
      WindowlessLoadForm::SetLoadBarValue(Value);
      host_.Log.push_back("Bar " + Number(Value));
    }
    void SetLoadLabel(const std::string& Caption) override {
      WindowlessLoadForm::SetLoadLabel(Caption);
      host_.Log.push_back("Label " + Caption);
      host_.Labels.push_back(Caption);
    }
    void Show() override {
      WindowlessLoadForm::Show();
      host_.Log.push_back("Show");
    }
    void Refresh() override { host_.Log.push_back("Refresh"); }
    void Unload() override {
      WindowlessLoadForm::Unload();
      host_.Log.push_back("Unload");
      ++host_.Unloads;
    }

   private:
    static std::string Number(double value) {
      return std::to_string(static_cast<long long>(value));
    }
    RecordingHost& host_;
  };

  std::unique_ptr<Kordex::LoadForm> NewLoadForm() override {
    ++Forms;
    return std::make_unique<Form>(*this);
  }
  void DoEvents() override {
    Log.push_back("DoEvents");
    ++Yields;
    if (OnDoEvents) OnDoEvents(Yields);
  }
  void ShowMessage(const std::string& Prompt, const std::string& Title) override {
    Log.push_back("Message " + Title);
    Messages.push_back(Prompt);
    Titles.push_back(Title);
  }

  // Called at each DoEvents with its count (1 for the first).
  std::function<void(int)> OnDoEvents;
  std::vector<std::string> Log;
  std::vector<std::string> Labels;
  std::vector<std::string> Messages;
  std::vector<std::string> Titles;
  int Forms = 0;
  int Unloads = 0;
  int Yields = 0;
};

}  // namespace LoadTest
