#pragma once
// The start-up pictures, each shown for 3.5 seconds while the framework is in
// its splash state.

#include "container/Vector.h"

class SplitImage;

namespace video {

class Canvas;

class SplashScreen {
public:
  SplashScreen() = default;
  SplashScreen(const SplashScreen &) = delete;
  SplashScreen &operator=(const SplashScreen &) = delete;
  ~SplashScreen() { clear(); }

  // True when the sequence was already finished.
  bool update(float dt);
  bool isFinished() const { return m_current >= m_pictures.size(); }
  // One complete frame of its own.
  void render(Canvas &canvas);
  // Deletes every picture.
  void clear();
  uint32_t pictureCount() const { return m_pictures.size(); }

private:
  container::Vector<SplitImage *> m_pictures;
  uint32_t m_current = 0;
  float m_time = 0.0f;
};

} // namespace video
