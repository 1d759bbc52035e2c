#include "CorvaneApplication.h"

#include "error/Log.h"
#include "framework/GameEngine.h"
#include "framework/Shell.h"
#include "math/Rectangle.h"
#include "surface/PixelBuffer.h"
#include "video/Canvas.h"
#include "video/Window.h"

#include <cmath>

void CorvaneApplication::handleArguments(const container::Vector<String> &arguments) {
  Framework::handleArguments(arguments);
  for (uint32_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] != L"--frames")
      continue;
    int count = i + 1 < arguments.size() ? arguments[i + 1].toInt() : 0;
    if (count > 0)
      m_frameLimit = uint32_t(count);
    else
      logLine(L"--frames needs a positive number of frames; running until the window closes");
    ++i;
  }
  if (framework::Shell *shell = framework::Shell::instance()) {
    shell->systemInitialize(shell->screenMetrics(), false, false, false, 0, iconPath(),
                            windowTitle());
    logLine(L"Initialized system");
  }
}

void CorvaneApplication::finishLoad1() {
  Framework::finishLoad1();
  setShowsFrameRate(true);
  if (framework::GameEngine::current())
    return;
  framework::GameEngine::setCurrent(new framework::NullEngine);
  framework::GameEngine::current()->activate();
}

void CorvaneApplication::postRender(video::Canvas &canvas) {
  Framework::postRender(canvas);
  if (!m_frameLimit || ++m_framesDrawn < m_frameLimit)
    return;
  reportLastFrame(canvas);
  setQuit(true);
}

// Before the swap, the frame is still there to read.
void CorvaneApplication::reportLastFrame(video::Canvas &canvas) {
  math::Vector2 size = video::Window::screenSize();
  math::Rectangle whole;
  whole.set(0.0f, 0.0f, size.x, size.y);
  PixelBuffer frame;
  if (!canvas.readPixels(whole, PixelBuffer::RGBA8888, frame) || !frame.isValid()) {
    logLine(L"Last frame: could not be read back");
    return;
  }
  const math::Color &clear = canvas.clearColor();
  int want[3] = {int(std::lround(clear.r * 255.0f)), int(std::lround(clear.g * 255.0f)),
                 int(std::lround(clear.b * 255.0f))};
  uint32_t differing = 0;
  for (uint32_t y = 0; y < frame.height(); ++y)
    for (uint32_t x = 0; x < frame.width(); ++x) {
      uint8_t r, g, b, a;
      frame.getPixel(x, y, r, g, b, a);
      if (std::abs(r - want[0]) > 1 || std::abs(g - want[1]) > 1 || std::abs(b - want[2]) > 1)
        ++differing;
    }
  logLine(String::format(L"Last frame: %ux%u, clear colour %d,%d,%d, %u pixels differ",
                         frame.width(), frame.height(), want[0], want[1], want[2], differing));
}
