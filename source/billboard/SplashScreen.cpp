#include "billboard/SplashScreen.h"

#include "billboard/SplitImage.h"
#include "error/Log.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "video/Canvas.h"
#include "video/Window.h"

#include <algorithm>

namespace video {

namespace {
const float PictureTime = 3.5f;
const float FadeTime = 1.0f;
const unsigned int TileSize = 256;
} // namespace

void SplashScreen::loadSplashScreens(const container::Vector<String> &names) {
  clear();
  for (uint32_t i = 0; i < names.size(); ++i)
    addSplashScreen(names[i]);
}

void SplashScreen::addSplashScreen(const String &name) {
  Database *database = Database::current();
  String base = (database ? database->path() : String(L".")) + L"/" + name;
  String path = base + L".jpg";
  if (!file::exists(path))
    path = base + L".png";
  if (!file::exists(path)) {
    logLine(String(L"Splash screen not found: '") + name + L"'");
    return;
  }
  String prefix = String::format(L"splashScreen_%02u_", m_pictures.size());
  m_pictures.push(new SplitImage(path, prefix, TileSize));
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

float SplashScreen::brightness() const {
  if (m_time < FadeTime)
    return m_time / FadeTime;
  if (m_time > PictureTime - FadeTime)
    return (PictureTime - m_time) / FadeTime;
  return 1.0f;
}

void SplashScreen::render(Canvas &canvas) {
  if (isFinished() || !canvas.beginFrame())
    return;
  canvas.clear(Canvas::CLEAR_COLOR | Canvas::CLEAR_DEPTH | Canvas::CLEAR_STENCIL);
  canvas.resetMatrices();
  math::Vector2 screen = Window::screenSize();
  canvas.setScreenProjection(screen);
  SplitImage &picture = *m_pictures[m_current];
  const math::Vector2 &size = picture.size();
  if (size.x > 0.0f && size.y > 0.0f) {
    float b = brightness();
    float s = std::max(screen.x / size.x, screen.y / size.y);
    canvas.pushColor();
    canvas.multiplyColor(math::Color(b, b, b, 1.0f));
    canvas.pushMatrix();
    canvas.translate(Window::screenCenter());
    canvas.scale(s, s);
    picture.render(canvas);
    canvas.popMatrix();
    canvas.popColor();
  }
  canvas.flush();
  canvas.endFrame();
}

void SplashScreen::clear() {
  for (uint32_t i = 0; i < m_pictures.size(); ++i)
    delete m_pictures[i];
  m_pictures.clear();
  m_current = 0;
  m_time = 0.0f;
}

} // namespace video
