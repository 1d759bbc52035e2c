#pragma once
// What the input, shell and engine tests share: SDL started headless, a
// window that only keeps its state, a framework run until it is loaded, and
// standard error captured into a string.

#include "file/Database.h"
#include "framework/EventDispatch.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "framework/Shell.h"
#include "gui/PageFactory.h"
#include "support/FakeWindow.h"
#include "support/GLFixture.h"
#include "video/LayerManager.h"
#include "video/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace shelltest {

// Started as for the rendering tests, with no stale events.
inline void startSdl() {
  gltest::startVideo();
  SDL_Event stale;
  while (SDL_PollEvent(&stale)) {
  }
}

// Every pending event through the translator, as the main loop does.
inline void pump() {
  SDL_Event event;
  while (SDL_PollEvent(&event))
    framework::dispatchEvent(event);
}

inline void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

inline SDL_Event keyEvent(bool down, SDLKey sym, Uint16 unicode = 0) {
  SDL_Event e = {};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.type = e.type;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = sym;
  e.key.keysym.unicode = unicode;
  return e;
}

inline SDL_Event buttonEvent(bool down, Uint8 button, Uint16 x, Uint16 y, Uint8 device = 0) {
  SDL_Event e = {};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.type = e.type;
  e.button.which = device;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}

inline SDL_Event axisEvent(Uint8 axis, Sint16 value, Uint8 joystick = 0) {
  SDL_Event e = {};
  e.type = SDL_JOYAXISMOTION;
  e.jaxis.type = e.type;
  e.jaxis.which = joystick;
  e.jaxis.axis = axis;
  e.jaxis.value = value;
  return e;
}

using FakeWindow = testing_support::FakeWindow;

class TestShell : public framework::Shell {
public:
  explicit TestShell(int orientation = 0) { m_orientation = orientation; }
};

class TestFramework : public Framework {
public:
  String applicationName() override { return String(L"test"); }
  uint32_t databaseLoadMask() override { return 0; }
  void focusChanged(bool focused) override { focusChanges.push_back(focused); }
  void windowSizeChanged() override { ++sizeChanges; }
  bool mayQuit() override { return allowQuit; }
  bool usesAccelerometer() override { return tilt; }

  // Through begin and the staged load, one update a frame, until running.
  void runUntilLoaded() {
    container::Vector<String> none;
    begin(none);
    for (int frame = 0; frame < 100 && state() != FRAMEWORK_RUNNING; ++frame)
      update(1.0f / 30.0f);
    ASSERT_EQ(state(), FRAMEWORK_RUNNING);
    framework::InputState::instance().clearQueue();
  }

  std::vector<bool> focusChanges;
  int sizeChanges = 0;
  bool allowQuit = true;
  bool tilt = false;
};

// The global framework, shell and window of one test, gone again after it.
struct Scene {
  TestFramework *framework = nullptr;
  FakeWindow *window = nullptr;

  explicit Scene(int orientation = 0, bool load = true) {
    startSdl();
    framework = new TestFramework;
    Framework::setInstance(framework);
    // A window left by another test of this program goes first.
    video::Window::destroyInstance();
    window = new FakeWindow;
    video::Window::setInstance(window);
    framework::Shell::setInstance(new TestShell(orientation));
    if (load)
      framework->runUntilLoaded();
  }
  ~Scene() {
    framework::InputState::destroyInstance();
    framework::Shell::destroyInstance();
    video::Window::destroyInstance();
    Framework::destroyInstance();
    // The framework's database outlives it; the next framework would replace it.
    if (Database *database = Database::find(Symbol::intern(L"framework"))) {
      Database::unregisterDatabase(database);
      delete database;
    }
    video::LayerManager::destroyInstance();
    GUI::PageFactory::destroyInstance();
  }
  container::Vector<framework::InputEvent *> &queue() {
    return framework::InputState::instance().queue();
  }
};

// Standard error of a stretch of code, through a temporary file.
class StderrCapture {
public:
  StderrCapture() {
    fflush(stderr);
    m_saved = dup(2);
    m_file = tmpfile();
    dup2(fileno(m_file), 2);
  }
  ~StderrCapture() { finish(); }
  std::string finish() {
    if (m_saved >= 0) {
      fflush(stderr);
      dup2(m_saved, 2);
      close(m_saved);
      m_saved = -1;
      rewind(m_file);
      char chunk[4096];
      for (size_t n; (n = fread(chunk, 1, sizeof chunk, m_file)) > 0;)
        m_text.append(chunk, n);
      fclose(m_file);
    }
    return m_text;
  }

private:
  int m_saved = -1;
  FILE *m_file = nullptr;
  std::string m_text;
};

inline std::string narrow(const String &text) {
  std::string out;
  for (uint32_t i = 0; i < text.length(); ++i)
    out += char(text[i]);
  return out;
}

inline size_t countOf(const std::string &text, const std::string &part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

} // namespace shelltest
