#pragma once
// What the game core uses of the game's front end, which sits above it: the
// player's profile, the game's page sets and screens, the automatic tester,
// the score client, the globe and the player's location. The program installs
// the front end explicitly at start; without one the core runs bare (no
// profile, no pages of the game, nothing to do each frame).

#include <cstdint>

class GameProfile;

class FrontEnd {
public:
  // The installed front end, or null.
  static FrontEnd *installed();
  // Not owned; null uninstalls. A front end uninstalls itself when deleted.
  static void install(FrontEnd *frontEnd);
  // The installed front end's profile (made on first use), or null without
  // a front end.
  static GameProfile *currentProfile();
  // The tester plays (then the engine takes no pause request).
  static bool testerPlaying();

  FrontEnd() = default;
  FrontEnd(const FrontEnd &) = delete;
  FrontEnd &operator=(const FrontEnd &) = delete;
  virtual ~FrontEnd();

  // Made on first use; deleted by end.
  virtual GameProfile &profile() = 0;
  virtual bool hasProfile() const = 0;

  // The menu pages, made once at start-up, and the in-game pages, made
  // while the game's engine is active. Creation registers the pages with
  // the page factory; trashing hands them back to it.
  virtual void createMenuPages() = 0;
  virtual void trashMenuPages() = 0;
  virtual void createGamePages() = 0;
  virtual void trashGamePages() = 0;
  // Registers the game's screens (no screen is current afterwards).
  virtual void registerScreens() = 0;

  virtual bool testerActive() const = 0;
  // Asks the score client to look the server's address up on its next poll.
  virtual void requestServerAddress() = 0;
  // Makes the globe, so that its first showing does not wait.
  virtual void createGlobe() = 0;
  // The frame's work: the tester, the score client's poll, the location.
  virtual void update(float dt) = 0;
  // The globe's view follows the new window size.
  virtual void windowResized() = 0;
  // The end of the run, after the pages are gone: deletes the profile and
  // the globe, stops the score client and the location tracking.
  virtual void end() = 0;
};
