#pragma once

// The set-up of the tests of forms and controls: a responder that answers for
// the person, a clock the test moves, and every form unloaded afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiInternal.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/TickSource.h"
#include "platform/gui/VisualControl.h"

class FormsTest : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    responder = std::make_shared<Platform::ScriptedResponder>();
    Platform::SetResponder(responder);
    ticks = std::make_shared<Platform::ManualTickSource>();
    Platform::SetTickSource(ticks);
  }

  void TearDown() override {
    for (Platform::Form* form : Platform::Forms::All())
      form->UnloadFor(Platform::UnloadModes::AppWindows);
    EXPECT_EQ(Platform::Forms::Count(), 0) << "a form refused to unload";
    // Let go of the unloaded forms now, while the application object lives.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Platform::SetTickSource(nullptr);
    Platform::SetResponder(nullptr);
  }

  // Types into the widget with the focus as the person would.
  static void Type(const std::string& text) {
    for (char c : text) {
      QWidget* target = QApplication::focusWidget();
      ASSERT_NE(target, nullptr);
      const QString character = Platform::ToQString(std::string(1, c));
      QKeyEvent press(QEvent::KeyPress, character.at(0).toUpper().unicode(), Qt::NoModifier,
                      character);
      QApplication::sendEvent(target, &press);
      QKeyEvent release(QEvent::KeyRelease, character.at(0).toUpper().unicode(), Qt::NoModifier,
                        character);
      QApplication::sendEvent(target, &release);
    }
  }

  static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
  }

  static QWidget* WidgetOf(const Platform::VisualControl& control) {
    return control.Internal().widget;
  }

  // What the test's handlers record; it outlives the forms the test leaves loaded.
  std::vector<std::string> log;
  std::shared_ptr<Platform::ScriptedResponder> responder;
  std::shared_ptr<Platform::ManualTickSource> ticks;
};
