#include "video/SplashScreen.h"

#include "video/SplitImage.h"

namespace video {

namespace {
const float PictureTime = 3.5f;
}

bool SplashScreen::update(float dt) {
  if (isFinished())
    return true;
  m_time += dt;
  if (m_time > PictureTime) {
    ++m_current;
    m_time -= PictureTime;
  }
  return false;
}

void SplashScreen::render(Canvas &) {}

void SplashScreen::clear() {
  for (uint32_t i = 0; i < m_pictures.size(); ++i)
    delete m_pictures[i];
  m_pictures.clear();
  m_current = 0;
  m_time = 0.0f;
}

} // namespace video
