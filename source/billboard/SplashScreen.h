#pragma once
// The start-up pictures, each shown for 3.5 seconds (a second's fade in from
// black, a second's fade out) while the framework is in its splash state,
// drawn as complete frames of their own.

#include "container/Vector.h"
#include "xstring/String.h"

class SplitImage;

namespace video {

class Canvas;

class SplashScreen {
public:
  SplashScreen() = default;
  SplashScreen(const SplashScreen &) = delete;
  SplashScreen &operator=(const SplashScreen &) = delete;
  ~SplashScreen() { clear(); }

  // Clears the list, then adds each name in order.
  void loadSplashScreens(const container::Vector<String> &names);
  // The database's picture name + ".jpg", else + ".png"; logs when neither
  // is there and adds nothing.
  void addSplashScreen(const String &name);
  // True when the sequence was already finished (then nothing changes).
  bool update(float dt);
  bool isFinished() const { return m_current >= m_pictures.size(); }
  // One complete frame of its own.
  void render(Canvas &canvas);
  // Deletes every picture.
  void clear();
  uint32_t pictureCount() const { return m_pictures.size(); }
  const SplitImage &picture(uint32_t index) const { return *m_pictures[index]; }
  uint32_t current() const { return m_current; }
  float time() const { return m_time; }
  // The fade of the current picture: 0 black to 1 full.
  float brightness() const;

private:
  container::Vector<SplitImage *> m_pictures;
  uint32_t m_current = 0;
  float m_time = 0.0f;
};

} // namespace video
