// The end of the program: the frame-rate report, then everything torn down
// in a fixed order.

#include "framework/Framework.h"

#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/SoundscapeManager.h"
#include "framework/Accelerometer.h"
#include "framework/BetaLog.h"
#include "framework/CorvaneDatabase.h"
#include "framework/GameEngine.h"
#include "framework/Shell.h"
#include "framework/TextureAssets.h"
#include "gui/PageFactory.h"
#include "gui/PageStateRecord.h"
#include "screen/ScreenRegistry.h"
#include "texture/TexturePool.h"
#include "threads/Socket.h"
#include "xstring/Print.h"

#include <cstdio>

void Framework::end() {
  xstring::write(stderr, frameRateText());
  m_histogram.print();

  releaseLoadingScreen();
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    delete m_pageSets[i];
  m_pageSets.clear();
  for (uint32_t i = 0; i < m_scriptLibraries.size(); ++i)
    delete m_scriptLibraries[i];
  m_scriptLibraries.clear();

  if (framework::GameEngine *engine = framework::GameEngine::current()) {
    engine->deactivate();
    framework::GameEngine::deleteCurrent();
  }

  GUI::PageFactory *pages = GUI::PageFactory::instance();
  pages->trashAll();
  pages->emptyTrash();

  delete m_texturePool;
  m_texturePool = nullptr;
  if (CorvaneDatabase *database = corvaneDatabase())
    if (TextureManager *textures = existingTextureManager(*database))
      textures->releaseBuffers();

  audio::MusicPlayer::destroyInstance();
  audio::SoundscapeManager::destroyInstance();
  screen::ScreenRegistry::destroyInstance();

  if (audio::Player::exists() && audio::Player::instance().isInitialized()) {
    audio::Player::instance().stopAll();
    if (CorvaneDatabase *database = corvaneDatabase())
      database->unload(CorvaneDatabase::LOAD_SOUNDS);
    audio::Player::instance().shutdown();
  }
  audio::Player::destroyInstance();

  framework::Accelerometer::destroyInstance();

  // Late, so that what goes before may still record events.
  if (framework::BetaLog::exists()) {
    framework::BetaLog::instance().shutdown();
    framework::BetaLog::destroy();
  }

  releaseGraphics();

  if (framework::Shell *shell = framework::Shell::instance())
    shell->quit();

  Socket::stopNetwork();
}
