#include "framework/Accelerometer.h"

#include "error/Log.h"
#include "platform/TiltKeys.h"

#include <SDL.h>

namespace framework {

namespace {
Accelerometer *theAccelerometer = nullptr;
}

Accelerometer &Accelerometer::instance() {
  if (!theAccelerometer)
    theAccelerometer = new Accelerometer;
  return *theAccelerometer;
}

void Accelerometer::destroyInstance() {
  delete theAccelerometer;
  theAccelerometer = nullptr;
}

Accelerometer::~Accelerometer() { close(); }

uint32_t Accelerometer::removeListener(AccelerometerListener *listener) {
  int index = m_listeners.indexOf(listener);
  if (index < 0)
    return m_listeners.size();
  m_listeners.removeSwap(uint32_t(index));
  return uint32_t(index);
}

void Accelerometer::open() {
  if (SDL_WasInit(SDL_INIT_JOYSTICK))
    return;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
    return;
  m_joystick = SDL_JoystickOpen(0);
  if (m_joystick) {
    logLine(L"Opened joystick for accelerometer input.");
  } else {
    logLine(L"Failed to open joystick for accelerometer input.");
    // A desktop: the keys stand in for the device's tilt.
    platform::setTiltKeysEnabled(true);
  }
}

void Accelerometer::close() {
  if (m_joystick)
    SDL_JoystickClose(m_joystick);
  m_joystick = nullptr;
  platform::setTiltKeysEnabled(false);
}

math::Vector3 Accelerometer::reading() const {
  int a[3];
  for (int i = 0; i < 3; ++i)
    a[i] = m_joystick ? SDL_JoystickGetAxis(m_joystick, i) : m_axes[i];
  return math::Vector3(float(a[0]) / 32768.0f, -float(a[1]) / 32768.0f, float(a[2]) / 32768.0f);
}

void Accelerometer::read() {
  math::Vector3 acceleration = reading();
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->accelerationChanged(acceleration);
}

void Accelerometer::notifyListeners() {
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->accelerometerNotified();
}

void Accelerometer::axisMoved(int axis, int value) {
  if (axis < 0 || axis > 2)
    return;
  if (value < -32768)
    value = -32768;
  if (value > 32767)
    value = 32767;
  m_axes[axis] = int16_t(value);
}

} // namespace framework
