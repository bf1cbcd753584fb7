#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/gui/VisualControl.h"
#include "runtime/Error.h"

namespace Platform {

// A control array: controls of one kind sharing a name, told apart by Index.
// Element 0 is made with the array (the designed element); Load makes further
// elements at run time, each starting as a copy of the lowest element but
// hidden; Unload removes them again. Handlers of the elements' events are
// attached through OnLoad, which runs for every element, the first included,
// with the element's index.
template <class T>
class ControlArray {
 public:
  template <class Parent>
  ControlArray(Parent& parent, std::string name)
      : name_(std::move(name)), make_([&parent](const std::string& n, int index) {
          return std::make_unique<T>(parent, n, index);
        }) {
    Add(0);
  }
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return name_; }

  // Runs now for every element and later for every element loaded.
  void OnLoad(std::function<void(T&, int)> hook) {
    for (auto& [index, element] : elements_) hook(*element, index);
    hooks_.push_back(std::move(hook));
  }

  // Error 340 for an index that is no element.
  T& operator[](int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) Runtime::Raise(340);
    return *it->second;
  }
  T& operator()(int index) const { return (*this)[index]; }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

  // Makes element index (error 360 when it exists, 5 below 0).
  T& Load(int index) {
    if (index < 0) Runtime::Raise(5);
    if (Exists(index)) Runtime::Raise(360);
    T& element = Add(index);
    if (elements_.size() > 1) {
      element.CopyFrom(*elements_.begin()->second);
      HideNew(element);
    }
    for (auto& hook : hooks_) hook(element, index);
    return element;
  }
  // Removes an element made by Load (error 362 for element 0, 340 for none).
  void Unload(int index) {
    auto it = elements_.find(index);
    if (it == elements_.end()) Runtime::Raise(340);
    if (index == 0) Runtime::Raise(362);
    std::unique_ptr<T> gone = std::move(it->second);
    elements_.erase(it);
  }

  template <class F>
  void ForEach(F&& f) const {
    for (auto& [index, element] : elements_) f(*element, index);
  }

 private:
  T& Add(int index) {
    auto element = make_(name_, index);
    T& ref = *element;
    elements_[index] = std::move(element);
    ref.SetUnloader([this, index] { Unload(index); });
    return ref;
  }
  static void HideNew(T& element) {
    if constexpr (std::is_base_of_v<VisualControl, T>) element.SetVisible(false);
  }

  std::string name_;
  std::function<std::unique_ptr<T>(const std::string&, int)> make_;
  std::map<int, std::unique_ptr<T>> elements_;
  std::vector<std::function<void(T&, int)>> hooks_;
};

}  // namespace Platform
