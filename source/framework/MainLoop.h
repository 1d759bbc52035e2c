#pragma once
// The program's only frame driver. Each pass reads the start clock, pumps the
// platform's events and, while the window is active, advances the framework
// by one step and draws one frame.

#include <cstdint>

class Framework;

namespace framework {

// What the loop asks of the platform; tests put in their own clock and window.
class LoopHost {
public:
  virtual ~LoopHost() = default;
  // Milliseconds of the program's start clock.
  virtual uint32_t milliseconds();
  virtual void sleep(unsigned int milliseconds);
  // A window exists and is active, or the application runs on while inactive.
  virtual bool active(Framework &framework);
  virtual void pumpEvents();
};

// The step of a frame that took the elapsed milliseconds: 1/30 s with the
// fixed rate; else the elapsed time capped at 1/30 s, 0.0001 s when none.
float frameStep(uint32_t elapsedMilliseconds, bool fixedRate);

class MainLoop {
public:
  explicit MainLoop(LoopHost &host) : m_host(host) {}

  // One pass of the loop.
  void pass(Framework &framework);
  // Passes until the framework's quit flag is set after one.
  void run(Framework &framework);

private:
  LoopHost &m_host;
  uint32_t m_previous = 0;
  bool m_started = false;
};

} // namespace framework

// Runs the application's framework until its quit flag is set, through the
// given host or the platform's own.
void runMainLoop(framework::LoopHost *host = nullptr);
// Polls every pending event while the window is active (or the application
// runs on while inactive); else waits for one.
void pumpEvents();
