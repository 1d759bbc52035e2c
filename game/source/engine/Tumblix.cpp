#include "engine/Tumblix.h"

#include "engine/Engine.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "framework/GameEngine.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "physics/Structure3D.h"
#include "screen/ScreenRegistry.h"
#include "video/Canvas.h"
#include "video/RenderState.h"

#include <cmath>

namespace {
Tumblix *g_tumblix = nullptr;
} // namespace

Tumblix *Tumblix::instance() {
  if (!g_tumblix)
    new Tumblix;
  return g_tumblix;
}

bool Tumblix::exists() { return g_tumblix != nullptr; }

// The application object is the framework's instance from its making on.
Tumblix::Tumblix() {
  g_tumblix = this;
  Framework::setInstance(this);
  framework::Accelerometer::instance().addListener(this);
  setFixedRate(false);
  physics::setFixedTimeStep();
}

Tumblix::~Tumblix() {
  framework::Accelerometer::instance().removeListener(this);
  if (g_tumblix == this)
    g_tumblix = nullptr;
}

bool Tumblix::handleEvent(const framework::InputEvent &event) {
  return Framework::handleEvent(event);
}

void Tumblix::focusChanged(bool focused) {
  static const Symbol game = SYM(L"game");
  m_hasFocus = focused;
  framework::GameEngine *engine = framework::GameEngine::current();
  if (engine && screen::ScreenRegistry::instance().currentScreenName() == game)
    engine->focusChanged(focused);
}

void Tumblix::preRender(video::Canvas &canvas) {
  if (canvas.renderState().frameClear())
    canvas.clear(video::Canvas::CLEAR_COLOR);
}

LoadingScreenStyle Tumblix::loadingScreenStyle() {
  LoadingScreenStyle style = Framework::loadingScreenStyle();
  style.scaleMode = LoadingScreenStyle::FILL;
  return style;
}

void Tumblix::updateRunning(float dt) {
  static const Symbol pause = SYM(L"pause");
  Framework::updateRunning(dt);
  FrontEnd *frontEnd = FrontEnd::installed();
  if (frontEnd)
    frontEnd->update(dt);
  setFixedRate(!m_freeFrameRate);
  // Without a pause page the game counts as never paused.
  GUI::Page *pausePage = GUI::PageFactory::page(pause);
  if (!pausePage || pausePage->state() == GUI::Page::INACTIVE)
    m_resumeTime += dt;
  else
    m_resumeTime = 0.0f;
}

void Tumblix::accelerationChanged(const math::Vector3 &reading) {
  if (m_resumeTime < 0.5f)
    return;
  m_smoothedAcceleration = m_smoothedAcceleration * 0.7f + reading * 0.3f;
  FrontEnd *frontEnd = FrontEnd::installed();
  float calibration =
      frontEnd && frontEnd->hasProfile() ? frontEnd->profile().calibrationAngle() : 0.0f;
  math::Quaternion turn;
  turn.setAxisAngle(math::Vector3(-1.0f, 0.0f, 0.0f), -calibration);
  math::Matrix4 rotation;
  rotation.setRotation(turn);
  m_gravity = rotation.transformPoint(m_smoothedAcceleration);
}

float Tumblix::tiltAngle() const {
  math::Vector3 v(0.0f, m_smoothedAcceleration.y, m_smoothedAcceleration.z);
  if (v.lengthSquared() == 0.0f)
    return 0.0f;
  v.normalize();
  const math::Vector3 down(0.0f, 0.0f, -1.0f);
  float cosine = std::fmax(-1.0f, std::fmin(1.0f, v.dot(down)));
  float angle = std::acos(cosine) * 57.29577951308232f;
  return v.cross(down).x < 0.0f ? -angle : angle;
}
