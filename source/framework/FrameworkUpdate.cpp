// The framework's frame: the update of the current state and the drawing.

#include "framework/Framework.h"

#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/SoundscapeManager.h"
#include "framework/Accelerometer.h"
#include "framework/CorvaneDatabase.h"
#include "framework/InputState.h"
#include "framework/TextureAssets.h"
#include "gui/PageFactory.h"
#include "quip/ScriptManager.h"
#include "screen/ScreenRegistry.h"
#include "video/Canvas.h"
#include "video/LayerManager.h"
#include "video/Window.h"

void Framework::update(float dt) {
  m_totalTime += dt;
  m_stateTime += dt;

  // The records of this frame go to the layers in arrival order, top layer
  // first, then they are done with.
  video::LayerManager &layers = video::LayerManager::instance();
  framework::InputState &input = framework::InputState::instance();
  container::Vector<framework::InputEvent *> &queue = input.queue();
  for (uint32_t i = 0; i < queue.size(); ++i)
    layers.handleEvent(*queue[i]);
  input.clearQueue();
  layers.applyPendingMoves();

  switch (m_state) {
  case FRAMEWORK_IDLE:
    updateIdle(dt);
    break;
  case FRAMEWORK_SPLASH:
    updateSplash(dt);
    break;
  case FRAMEWORK_LOADING:
    updateLoading(dt);
    break;
  case FRAMEWORK_RUNNING:
    updateRunning(dt);
    break;
  }
}

void Framework::updateRunning(float dt) {
  if (usesAccelerometer())
    framework::Accelerometer::instance().read();
  audio::SoundscapeManager::instance().update(dt);
  audio::MusicPlayer::instance().update(dt);
  audio::Player::instance().update();
  if (CorvaneDatabase *database = corvaneDatabase())
    if (TextureManager *textures = existingTextureManager(*database))
      textures->update();
  GUI::PageFactory::instance()->update(dt);
  scriptManager().update(20, dt);
  screen::ScreenRegistry::instance().update(dt);
  video::LayerManager::instance().update(dt);
}

void Framework::render() {
  video::Canvas *canvas = video::Canvas::instance();
  switch (m_state) {
  case FRAMEWORK_SPLASH:
    if (canvas)
      m_splash.render(*canvas);
    break;
  case FRAMEWORK_LOADING:
    renderLoadingScreen();
    break;
  case FRAMEWORK_RUNNING:
    if (!canvas || !canvas->beginFrame())
      break;
    preRender(*canvas);
    canvas->resetMatrices();
    canvas->setScreenProjection(video::Window::screenSize());
    video::LayerManager::instance().render(*canvas);
    postRender(*canvas);
    canvas->flush();
    canvas->endFrame();
    m_capture.frameRendered();
    break;
  default:
    break;
  }
}
