#include "framework/Accelerometer.h"
#include "framework/ShellTestSupport.h"
#include "platform/TiltKeys.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/joystick.h>
#include <sys/stat.h>
#include <vector>

using namespace framework;
using namespace shelltest;

namespace {

struct Recorder : AccelerometerListener {
  void accelerometerNotified() override { ++notified; }
  void accelerationChanged(const math::Vector3 &a) override { readings.push_back(a); }
  std::vector<math::Vector3> readings;
  int notified = 0;
};

// A fresh accelerometer with no joystick subsystem behind it.
struct Fresh {
  Fresh() {
    startSdl();
    Accelerometer::destroyInstance();
    if (SDL_WasInit(SDL_INIT_JOYSTICK))
      SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  ~Fresh() {
    Accelerometer::destroyInstance();
    if (SDL_WasInit(SDL_INIT_JOYSTICK))
      SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
};

void expectReading(const math::Vector3 &r, float x, float y, float z) {
  EXPECT_FLOAT_EQ(r.x, x);
  EXPECT_FLOAT_EQ(r.y, y);
  EXPECT_FLOAT_EQ(r.z, z);
}

} // namespace

TEST(Accelerometer, PushedAxisEventsBecomeReadings) {
  Fresh fresh;
  Accelerometer &accelerometer = Accelerometer::instance();
  Recorder listener;
  accelerometer.addListener(&listener);
  const struct {
    Sint16 a0, a1, a2;
    float x, y, z;
  } cases[] = {{16384, 16384, 0, 0.5f, -0.5f, 0.0f},
               {-32768, -32768, -32768, -1.0f, 1.0f, -1.0f},
               {32767, 0, 8192, 32767.0f / 32768.0f, 0.0f, 0.25f}};
  for (const auto &c : cases) {
    push(axisEvent(0, c.a0));
    push(axisEvent(1, c.a1));
    push(axisEvent(2, c.a2));
    // Other joysticks and axes are not the device's tilt.
    push(axisEvent(0, 1000, 1));
    push(axisEvent(3, 1000));
    pump();
    accelerometer.read();
    ASSERT_FALSE(listener.readings.empty());
    expectReading(listener.readings.back(), c.x, c.y, c.z);
  }
  EXPECT_EQ(listener.readings.size(), 3u);
}

TEST(Accelerometer, WithoutJoystickTheArrowKeysTilt) {
  Fresh fresh;
  Accelerometer &accelerometer = Accelerometer::instance();
  StderrCapture log;
  accelerometer.open();
  std::string text = log.finish();
  EXPECT_NE(text.find("Failed to open joystick for accelerometer input."), std::string::npos);
  EXPECT_FALSE(accelerometer.isOpen());
  expectReading(accelerometer.reading(), 0.0f, 0.0f, 0.0f);

  const struct {
    bool down;
    SDLKey key;
    float x, y;
  } steps[] = {{true, SDLK_LEFT, -0.5f, 0.0f},   {true, SDLK_UP, -0.5f, 0.5f},
               {true, SDLK_RIGHT, 0.0f, 0.5f},   {false, SDLK_LEFT, 0.5f, 0.5f},
               {false, SDLK_UP, 0.5f, 0.0f},     {true, SDLK_DOWN, 0.5f, -0.5f},
               {false, SDLK_RIGHT, 0.0f, -0.5f}, {false, SDLK_DOWN, 0.0f, 0.0f}};
  for (const auto &step : steps) {
    push(keyEvent(step.down, step.key));
    pump();
    expectReading(accelerometer.reading(), step.x, step.y, 0.0f);
  }
  // Other keys tilt nothing.
  push(keyEvent(true, SDLK_a));
  pump();
  expectReading(accelerometer.reading(), 0.0f, 0.0f, 0.0f);

  accelerometer.close();
  EXPECT_FALSE(platform::tiltKeysEnabled());
  push(keyEvent(true, SDLK_LEFT));
  pump();
  expectReading(accelerometer.reading(), 0.0f, 0.0f, 0.0f);
}

TEST(Accelerometer, JoystickStartedElsewhereIsNotOpened) {
  Fresh fresh;
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
  StderrCapture log;
  Accelerometer::instance().open();
  EXPECT_EQ(log.finish().find("joystick"), std::string::npos);
  EXPECT_FALSE(Accelerometer::instance().isOpen());
  EXPECT_FALSE(platform::tiltKeysEnabled());
}

// A FIFO that SDL takes for joystick 0, so the axes are read from the device.
TEST(Accelerometer, ReadsTheAxesOfJoystickZero) {
  Fresh fresh;
  testing_support::TempFolder folder;
  std::string path = folder.path("js0");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  int fd = open(path.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  setenv("SDL_JOYSTICK_DEVICE", path.c_str(), 1);
  setenv("SDL_LINUX_JOYSTICK", ("'" + path + "' 3 0 0").c_str(), 1);

  StderrCapture log;
  Accelerometer &accelerometer = Accelerometer::instance();
  accelerometer.open();
  std::string text = log.finish();
  EXPECT_NE(text.find("Opened joystick for accelerometer input."), std::string::npos) << text;
  EXPECT_TRUE(accelerometer.isOpen());

  const short values[3] = {16384, -16384, 8192};
  for (unsigned char axis = 0; axis < 3; ++axis) {
    js_event record = {0, values[axis], JS_EVENT_AXIS, axis};
    ASSERT_EQ(write(fd, &record, sizeof record), ssize_t(sizeof record));
  }
  pump();
  Recorder listener;
  accelerometer.addListener(&listener);
  accelerometer.read();
  ASSERT_EQ(listener.readings.size(), 1u);
  expectReading(listener.readings[0], 0.5f, 0.5f, 0.25f);

  accelerometer.close();
  EXPECT_FALSE(accelerometer.isOpen());
  unsetenv("SDL_JOYSTICK_DEVICE");
  unsetenv("SDL_LINUX_JOYSTICK");
  close(fd);
}

TEST(Accelerometer, Listeners) {
  Fresh fresh;
  Accelerometer &accelerometer = Accelerometer::instance();
  Recorder a, b, c, absent;
  accelerometer.addListener(&a);
  accelerometer.addListener(&b);
  accelerometer.addListener(&c);
  EXPECT_EQ(accelerometer.removeListener(&absent), 3u);
  EXPECT_EQ(accelerometer.removeListener(&a), 0u);
  // The last one took the removed one's place.
  EXPECT_EQ(accelerometer.removeListener(&c), 0u);
  accelerometer.notifyListeners();
  accelerometer.read();
  EXPECT_EQ(a.notified + c.notified, 0);
  EXPECT_EQ(b.notified, 1);
  EXPECT_EQ(b.readings.size(), 1u);
}

TEST(Accelerometer, TheLoadOpensItForApplicationsThatTilt) {
  Fresh fresh;
  Scene scene(0, false);
  scene.framework->tilt = true;
  StderrCapture log;
  scene.framework->runUntilLoaded();
  std::string text = log.finish();
  EXPECT_NE(text.find("Failed to open joystick for accelerometer input."), std::string::npos);
  EXPECT_EQ(text.find("Initialized accelerometer."), std::string::npos);
  EXPECT_LT(text.find("Created layer render groups."), text.find("Failed to open joystick"));
  EXPECT_TRUE(platform::tiltKeysEnabled());
}
