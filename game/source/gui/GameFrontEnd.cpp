#include "gui/GameFrontEnd.h"

#include "gui/GamePages.h"
#include "scores/Globe.h"
#include "scores/Server.h"
#include "scores/UserProfile.h"
#include "screen/GameScreens.h"

GameFrontEnd *GameFrontEnd::instance() { return dynamic_cast<GameFrontEnd *>(installed()); }

GameProfile &GameFrontEnd::profile() { return UserProfile::instance(); }

bool GameFrontEnd::hasProfile() const { return UserProfile::exists(); }

void GameFrontEnd::createMenuPages() { GUI::createMenuPages(); }

void GameFrontEnd::trashMenuPages() { GUI::trashMenuPages(); }

void GameFrontEnd::createGamePages() { GUI::createGamePages(); }

void GameFrontEnd::trashGamePages() { GUI::trashGamePages(); }

void GameFrontEnd::registerScreens() { screen::registerGameScreens(); }

void GameFrontEnd::requestServerAddress() { Server::requestAddressLookup(); }

void GameFrontEnd::createGlobe() { video::Globe::instance(); }

void GameFrontEnd::update(float dt) {
  m_tester.update(dt);
  Server::update();
  m_coords.update(dt);
}

void GameFrontEnd::windowResized() {
  if (video::Globe::exists())
    video::Globe::instance().resetFieldOfView();
}

void GameFrontEnd::end() {
  UserProfile::destroy();
  video::Globe::destroy();
  Server::destroyAddrInfoThread();
  Server::deleteAddrInfo();
  m_coords.unregister();
}
