#pragma once
// Device tilt. The phone's accelerometer is SDL joystick 0; each running
// frame its three axes become one reading for every listener. Without that
// joystick the readings follow the axis events of joystick 0 that reach the
// event translator (the desktop's tilt keys push them), level at first.

#include "container/Vector.h"
#include "math/Vector3.h"

#include <cstdint>

struct _SDL_Joystick;

namespace framework {

class AccelerometerListener {
public:
  virtual ~AccelerometerListener() = default;
  virtual void accelerometerNotified() {}
  // Axes in units of gravity, y upward on the screen.
  virtual void accelerationChanged(const math::Vector3 &acceleration) { (void)acceleration; }
};

class Accelerometer {
public:
  static Accelerometer &instance();
  static void destroyInstance();

  void addListener(AccelerometerListener *listener) { m_listeners.push(listener); }
  // The last listener takes the removed one's place. Returns the index it
  // had, or the count when it was not there.
  uint32_t removeListener(AccelerometerListener *listener);
  uint32_t listenerCount() const { return m_listeners.size(); }

  // Opens joystick 0 unless someone else started the joystick subsystem.
  void open();
  void close();
  bool isOpen() const { return m_joystick != nullptr; }

  // The current reading: (a0, -a1, a2) / 32768.
  math::Vector3 reading() const;
  // Hands the current reading to every listener, in order.
  void read();
  void notifyListeners();

  // An axis event of joystick 0 (axes 0 to 2).
  void axisMoved(int axis, int value);

private:
  Accelerometer() = default;
  ~Accelerometer();

  container::Vector<AccelerometerListener *> m_listeners;
  _SDL_Joystick *m_joystick = nullptr;
  int16_t m_axes[3] = {0, 0, 0};
};

} // namespace framework
