#pragma once
// Seconds left of a wait, advanced by the frame time while it runs.

class Countdown {
public:
  void reset() {
    m_running = false;
    m_seconds = 0;
  }
  void set(float seconds) { m_seconds = seconds; }
  float remaining() const { return m_seconds; }
  void setRunning(bool running) { m_running = running; }
  bool isRunning() const { return m_running; }
  // Only while running and not yet run out; the result may go below 0.
  void update(float elapsedSeconds) {
    if (m_running && m_seconds > 0)
      m_seconds -= elapsedSeconds;
  }

private:
  bool m_running = false;
  float m_seconds = 0;
};
