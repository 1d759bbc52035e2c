#include "framework/MainLoop.h"

#include "error/Clock.h"
#include "error/Log.h"
#include "framework/EventDispatch.h"
#include "framework/Framework.h"
#include "video/Window.h"

#include <SDL.h>

namespace framework {

namespace {
const float MaximumStep = 1.0f / 30.0f;
const float MinimumStep = 0.0001f;
const uint32_t FrameMilliseconds = 30;
} // namespace

uint32_t LoopHost::milliseconds() { return Clock::startClock().elapsedMilliseconds(); }

void LoopHost::sleep(unsigned int milliseconds) { sleepMilliseconds(milliseconds); }

bool LoopHost::active(Framework &framework) {
  video::Window *window = video::Window::instance();
  return window && (window->active() || framework.keepRunningWhenInactive());
}

void LoopHost::pumpEvents() { ::pumpEvents(); }

float frameStep(uint32_t elapsedMilliseconds, bool fixedRate) {
  if (fixedRate)
    return MaximumStep;
  float dt = float(elapsedMilliseconds) / 1000.0f;
  if (dt > MaximumStep)
    dt = MaximumStep;
  if (dt <= 0.0f)
    dt = MinimumStep;
  return dt;
}

void MainLoop::pass(Framework &framework) {
  bool active = m_host.active(framework);
  uint32_t now = m_host.milliseconds();
  if (!m_started) {
    m_previous = now;
    m_started = true;
  }
  uint32_t elapsed = now - m_previous;
  m_host.pumpEvents();
  if (active) {
    if (framework.fixedRate()) {
      if (elapsed < FrameMilliseconds)
        m_host.sleep(FrameMilliseconds - elapsed);
      now = m_host.milliseconds();
      elapsed = now - m_previous;
    }
    float dt = frameStep(elapsed, framework.fixedRate());
    framework.update(dt);
    framework.setFrameTime(dt);
    framework.render();
    if (framework.frameStatistics())
      framework.countFrame(elapsed);
  }
  // Also while inactive, so that the time spent so never reaches a step.
  m_previous = now;
}

void MainLoop::run(Framework &framework) {
  while (!framework.quitRequested())
    pass(framework);
}

} // namespace framework

void runMainLoop(framework::LoopHost *host) {
  Framework *framework = Framework::instance();
  if (!framework)
    return;
  framework::LoopHost platform;
  framework::MainLoop loop(host ? *host : platform);
  loop.run(*framework);
}

void pumpEvents() {
  Framework *framework = Framework::instance();
  video::Window *window = video::Window::instance();
  bool poll = (window && window->active() && !window->iconified()) ||
              (framework && framework->keepRunningWhenInactive());
  SDL_Event event;
  if (poll) {
    while (SDL_PollEvent(&event))
      framework::dispatchEvent(event);
    return;
  }
  if (SDL_WaitEvent(&event))
    framework::dispatchEvent(event);
  else
    logLine(L"Error in SDL_WaitEvent");
}
