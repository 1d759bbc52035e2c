#pragma once
// The game's front end as the game core reaches it: the profile, the game's
// pages and screens, the score client and the globe, and the tester and the
// player's location, which it owns for the program's whole run. The program
// makes one and installs it before the application starts.

#include "engine/FrontEnd.h"
#include "gui/Tester.h"
#include "scores/GlobalCoords.h"

class GameFrontEnd : public FrontEnd {
public:
  // The location listens to the location service from the start.
  GameFrontEnd() = default;

  // The installed front end when it is this one's kind, else null.
  static GameFrontEnd *instance();

  GameProfile &profile() override;
  bool hasProfile() const override;
  void createMenuPages() override;
  void trashMenuPages() override;
  void createGamePages() override;
  void trashGamePages() override;
  void registerScreens() override;
  bool testerActive() const override { return m_tester.enabled; }
  void requestServerAddress() override;
  void createGlobe() override;
  void update(float dt) override;
  void windowResized() override;
  void end() override;

  GlobalCoords &coords() { return m_coords; }
  Tester &tester() { return m_tester; }

private:
  GlobalCoords m_coords;
  Tester m_tester;
};
