#include "file/Pdl.h"
#include "framework/OpenGLShell.h"
#include "framework/ShellTestSupport.h"
#include "platform/DeviceServices.h"
#include "video/Canvas.h"

#include <gtest/gtest.h>

using namespace framework;
using namespace shelltest;

TEST(Shell, OpensTheWindowAndShutsDown) {
  startSdl();
  // The window tests of this program may have left theirs.
  video::Canvas::destroyInstance();
  video::Window::destroyInstance();

  StderrCapture log;
  OpenGLShell *shell = new OpenGLShell;
  Shell::setInstance(shell);
  EXPECT_TRUE(pdl::isInitialized());
  EXPECT_EQ(shell->screenMetrics().x, 320);
  EXPECT_EQ(shell->screenMetrics().y, 480);
  shell->systemInitialize(math::Vector2i(320, 480), false, false, false, 0, String(L"icon.png"),
                          String(L"Corvane test"));
  std::string text = log.finish();
  for (const char *line : {"PDL Hardware: Desktop", "PDL Language: en_US",
                           "OpenGLShell::systemInitialize(), resolution: 320,480",
                           "Set video mode, resolution: 320,480", "Opened window"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  EXPECT_LT(text.find("PDL Hardware"), text.find("Opened window"));

  ASSERT_TRUE(video::Window::instance());
  ASSERT_TRUE(video::Canvas::instance());
  EXPECT_TRUE(video::Canvas::instance()->asOpenGLCanvas());
  EXPECT_EQ(video::Window::instance()->size().x, 320);
  EXPECT_EQ(video::Window::instance()->size().y, 480);
  EXPECT_TRUE(InputState::instance().enabled());
  EXPECT_EQ(shell->orientation(), 0);

  shell->showCursor(false);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  shell->showCursor(true);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);

  container::Vector<math::Vector2i> modes;
  modes.push(math::Vector2i(1, 1));
  shell->listDisplayModes(modes, true, false);
  for (uint32_t i = 0; i < modes.size(); ++i)
    EXPECT_GT(modes[i].x, 1);

  shell->quit();
  EXPECT_FALSE(InputState::instance().enabled());
  EXPECT_FALSE(pdl::isInitialized());
  EXPECT_FALSE(video::Window::instance());
  EXPECT_FALSE(video::Canvas::instance());
  EXPECT_FALSE(SDL_WasInit(SDL_INIT_VIDEO));
  Shell::destroyInstance();
  InputState::destroyInstance();
}

TEST(Shell, ScreenMetricsComeFromThePlatform) {
  startSdl();
  OpenGLShell shell;
  const pdl::ScreenMetrics phone = {480, 800, 240, 240, 1.667};
  pdl::setScreenMetrics(&phone);
  EXPECT_EQ(shell.screenMetrics().x, 480);
  EXPECT_EQ(shell.screenMetrics().y, 800);
  pdl::setScreenMetrics(nullptr);
  EXPECT_EQ(shell.screenMetrics().y, 480);
  pdl::quit();
}

TEST(Shell, WarpingMapsTheScreenPositionToTheDevice) {
  Scene scene(0, false);
  InputState::instance().warpPointer(math::Vector2i(15, 400));
  EXPECT_EQ(InputState::instance().pointerPosition().x, 15);
  EXPECT_EQ(InputState::instance().pointerPosition().y, 400);
  // Orientation 0 mirrors y within the window, both ways.
  Shell *shell = Shell::instance();
  EXPECT_EQ(shell->screenToDevice(math::Vector2i(15, 400)).y, 80);
  EXPECT_EQ(shell->deviceToScreen(shell->screenToDevice(math::Vector2i(15, 400))).y, 400);
}

TEST(Shell, DeviceServices) {
  const String &id = platform::uniqueDeviceId();
  EXPECT_EQ(id.length(), 32u);
  EXPECT_EQ(&id, &platform::uniqueDeviceId());
  for (uint32_t i = 0; i < id.length(); ++i)
    EXPECT_TRUE((id[i] >= L'0' && id[i] <= L'9') || (id[i] >= L'a' && id[i] <= L'f'));

  static std::string opened;
  pdl::setBrowserLauncher([](const char *url) {
    opened = url;
    return true;
  });
  platform::launchBrowser(String(L"http://example.org/scores"));
  EXPECT_EQ(opened, "http://example.org/scores");
  pdl::setBrowserLauncher(nullptr);

  platform::setScreenTimeoutEnabled(false);
  EXPECT_FALSE(pdl::screenTimeoutEnabled());
  platform::setScreenTimeoutEnabled(true);
  EXPECT_TRUE(pdl::screenTimeoutEnabled());
}
