#pragma once
// The player's profile as the game core uses it: which level is selected,
// what the player has completed and scored, and the tilt calibration. The
// engine reads it to pick a level and writes a completed level's score and
// progress into it. The front end's profile implements it and owns the
// records; the core reaches it through the installed front end.

#include <cstdint>

class GameProfile {
public:
  // Reads the saved profile (a missing file keeps the defaults).
  virtual void load() = 0;
  // Writes the whole profile or nothing; false when nothing was written.
  virtual bool save() = 0;
  // A saved profile was read.
  virtual bool isLoaded() const = 0;

  virtual uint32_t currentLevel() const = 0;
  virtual uint32_t levelsCompleted() const = 0;
  // The tutorial shows while only the first level is open.
  virtual bool showsTutorial() const = 0;
  // Degrees; the gravity direction is turned about (-1, 0, 0) by minus it.
  virtual float calibrationAngle() const = 0;

  // Opens the levels up to the given one.
  virtual void unlockLevel(uint32_t level) = 0;
  // Raises the completed count; outside single-level play the campaign
  // continues at the next level.
  virtual void completeLevel(uint32_t level) = 0;
  // The campaign is in progress at the current level.
  virtual void beginCampaign() = 0;

  // The player's stored score of a level of the catalogue; a new score must
  // be posted again.
  virtual uint32_t levelScore(uint32_t level) const = 0;
  virtual void setLevelScore(uint32_t level, uint32_t score) = 0;
  // The running campaign's total and the last level completed in it.
  virtual uint32_t campaignScore() const = 0;
  virtual void setCampaignScore(uint32_t score) = 0;
  virtual void setCampaignLastLevel(uint32_t level) = 0;

protected:
  // Only the front end deletes its profile.
  virtual ~GameProfile() = default;
};
