#pragma once
// The framework between frames with nothing to do: an application with
// nothing to load on a steady 16 ms clock, drawing through a canvas that
// draws nothing, brought to its running state with the eight standard
// layers. The idle-frame benchmark times its frames and the allocation test
// counts what they allocate.

#include "support/NullCanvas.h"

#include "file/Database.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "framework/MainLoop.h"
#include "gui/PageFactory.h"
#include "video/LayerManager.h"

namespace testing_support {

class IdleFrame {
public:
  IdleFrame() : m_loop(m_host) {
    video::Canvas::setInstance(canvas);
    Framework::setInstance(m_application);
    m_application->setFixedRate(false);
  }
  ~IdleFrame() {
    Framework::destroyInstance();
    video::LayerManager::destroyInstance();
    GUI::PageFactory::destroyInstance();
    framework::InputState::destroyInstance();
    video::Canvas::destroyInstance();
    Database::releaseRegistry();
  }
  IdleFrame(const IdleFrame &) = delete;
  IdleFrame &operator=(const IdleFrame &) = delete;

  // Loads, then runs a few frames so that every container reaches its size.
  // False when the framework did not reach its running state.
  bool start() {
    m_application->setState(FRAMEWORK_LOADING);
    for (int frame = 0; frame < 100 && m_application->state() != FRAMEWORK_RUNNING; ++frame)
      pass();
    for (int frame = 0; frame < 10; ++frame)
      pass();
    return m_application->state() == FRAMEWORK_RUNNING &&
           video::LayerManager::instance().layerCount() == 8;
  }
  void pass() { m_loop.pass(*m_application); }

  NullCanvas *const canvas = new NullCanvas;

private:
  struct Application : Framework {
    String applicationName() override { return String(L"Idle"); }
    // Nothing to load: the frames that count are the running ones.
    uint32_t databaseLoadMask() override { return 0; }
  };
  // A steady 16 ms clock with the window active.
  struct SteadyHost : framework::LoopHost {
    uint32_t now = 0;
    uint32_t milliseconds() override { return now += 16; }
    void sleep(unsigned int) override {}
    bool active(Framework &) override { return true; }
    void pumpEvents() override {}
  };

  Application *const m_application = new Application;
  SteadyHost m_host;
  framework::MainLoop m_loop;
};

} // namespace testing_support
