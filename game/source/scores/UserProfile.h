#pragma once
// The player's saved state: which levels are open and selected, the player's
// own best score of every level and of the running campaign, the server's
// last answers, the campaign in progress and the options (sound, permission
// to post scores, tilt calibration). Read from "/user.bin" in the documents
// folder once at start-up, written whenever a level is completed and at the
// end of the run. The game core sees it as its GameProfile.

#include "container/Vector.h"
#include "engine/GameProfile.h"
#include "scores/GlobalData.h"
#include "scores/LocalData.h"
#include "xstring/String.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class UserProfile : public GameProfile {
public:
  // The answer to whether scores may be posted.
  enum PostScoresPermission : uint32_t { NOT_ASKED = 0, REFUSED = 1, ALLOWED = 2 };
  static const uint32_t FileVersion = 2;

  // Made on first use; destroy deletes it (at the end of the run), and a
  // later instance makes a new one.
  static UserProfile &instance();
  static bool exists();
  static void destroy();

  UserProfile(const UserProfile &) = delete;
  UserProfile &operator=(const UserProfile &) = delete;

  // Documents folder + "/user.bin".
  static String filePath();
  // Decodes the file when there is one; a file cut short is refused whole
  // (reported, the profile as it was). A player id is made when none is held.
  void load() override;
  // Writes the whole file, or nothing (the failure is reported, the old file
  // kept). False then.
  bool save() override;
  // False, nothing read after it, for an empty source or version 0.
  bool readFrom(file::ByteProducer &in);
  void writeTo(file::ByteReceiver &out) const;

  // "Palm_" + the device's unique id.
  static String makePlayerId();

  void unlockLevel(uint32_t level) override;
  void selectLevel(uint32_t level);
  // Raises the completed count; outside single-level play the campaign
  // continues at the next level.
  void completeLevel(uint32_t level) override;
  void beginCampaign() override;

  // The tutorial shows while only the first level is open.
  bool showsTutorial() const override { return m_levelsUnlocked == 1; }
  bool isLoaded() const override { return m_loaded; }
  uint32_t currentLevel() const override { return m_currentLevel; }
  uint32_t levelsCompleted() const override { return m_levelsCompleted; }
  float calibrationAngle() const override { return m_calibrationAngle; }
  // 0, and nothing stored, past the level count.
  uint32_t levelScore(uint32_t level) const override;
  void setLevelScore(uint32_t level, uint32_t score) override;
  uint32_t campaignScore() const override { return m_localCampaign.m_score; }
  void setCampaignScore(uint32_t score) override { m_localCampaign.setScore(score); }
  void setCampaignLastLevel(uint32_t level) override { m_localCampaign.setLastLevel(level); }
  // Null past the level count.
  LocalLevelData *localLevel(uint32_t level) const;
  GlobalLevelData *globalLevel(uint32_t level) const;
  uint32_t postScoresPermission() const;
  void setPostScoresPermission(uint32_t permission, bool remember);

  String m_playerId;
  bool m_loaded = false;
  uint32_t m_currentLevel = 0;
  uint32_t m_levelsUnlocked = 1;
  uint32_t m_levelsCompleted = 0;
  container::Vector<LocalLevelData *> m_localLevels;
  container::Vector<GlobalLevelData *> m_globalLevels;
  LocalCampaignData m_localCampaign;
  GlobalCampaignData m_globalCampaign;
  bool m_campaignInProgress = false;
  uint32_t m_campaignLevel = 0;
  bool m_soundEnabled = true;
  // Given until the program ends; not stored.
  uint32_t m_postScoresTransient = NOT_ASKED;
  uint8_t m_postScoresSaved = NOT_ASKED;
  // Degrees; the gravity direction is turned about (-1, 0, 0) by minus it.
  float m_calibrationAngle = 0.0f;

private:
  UserProfile();
  ~UserProfile() override;
  // Counters within the level count, indices below the unlocked count.
  void clampCounters();
};
