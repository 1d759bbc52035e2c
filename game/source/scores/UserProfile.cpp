#include "scores/UserProfile.h"

#include "engine/Engine.h"
#include "engine/LevelCatalogue.h"
#include "platform/DeviceServices.h"

namespace {
UserProfile *g_profile = nullptr;
} // namespace

UserProfile &UserProfile::instance() {
  if (!g_profile)
    g_profile = new UserProfile;
  return *g_profile;
}

bool UserProfile::exists() { return g_profile != nullptr; }

void UserProfile::destroy() {
  UserProfile *profile = g_profile;
  g_profile = nullptr;
  delete profile;
}

UserProfile::UserProfile() {
  uint32_t count = LevelCatalogue::instance().levelCount();
  m_localLevels.reserve(count);
  m_globalLevels.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    m_localLevels.push(new LocalLevelData(i));
    m_globalLevels.push(new GlobalLevelData(i));
  }
}

UserProfile::~UserProfile() {
  for (uint32_t i = 0; i < m_localLevels.size(); ++i)
    delete m_localLevels[i];
  for (uint32_t i = 0; i < m_globalLevels.size(); ++i)
    delete m_globalLevels[i];
}

String UserProfile::makePlayerId() { return String(L"Palm_") + platform::uniqueDeviceId(); }

void UserProfile::unlockLevel(uint32_t level) {
  if (m_levelsUnlocked <= level)
    m_levelsUnlocked = level + 1;
}

void UserProfile::selectLevel(uint32_t level) {
  m_currentLevel = level;
  unlockLevel(level);
}

void UserProfile::completeLevel(uint32_t level) {
  if (m_levelsCompleted < level + 1)
    m_levelsCompleted = level + 1;
  Engine *engine = Engine::instance();
  bool singleLevels = engine && engine->mode() == Engine::SINGLE_LEVEL;
  if (!singleLevels && level + 1 < LevelCatalogue::instance().levelCount())
    m_campaignLevel = level + 1;
}

void UserProfile::beginCampaign() {
  m_campaignInProgress = true;
  m_campaignLevel = m_currentLevel;
}

LocalLevelData *UserProfile::localLevel(uint32_t level) const {
  return level < m_localLevels.size() ? m_localLevels[level] : nullptr;
}

uint32_t UserProfile::levelScore(uint32_t level) const {
  LocalLevelData *record = localLevel(level);
  return record ? record->m_score : 0;
}

void UserProfile::setLevelScore(uint32_t level, uint32_t score) {
  if (LocalLevelData *record = localLevel(level))
    record->setScore(score);
}

GlobalLevelData *UserProfile::globalLevel(uint32_t level) const {
  return level < m_globalLevels.size() ? m_globalLevels[level] : nullptr;
}

uint32_t UserProfile::postScoresPermission() const {
  return m_postScoresSaved != NOT_ASKED ? m_postScoresSaved : m_postScoresTransient;
}

void UserProfile::setPostScoresPermission(uint32_t permission, bool remember) {
  if (remember)
    m_postScoresSaved = uint8_t(permission);
  else
    m_postScoresTransient = permission;
}

void UserProfile::clampCounters() {
  uint32_t count = LevelCatalogue::instance().levelCount();
  if (m_levelsUnlocked > count)
    m_levelsUnlocked = count;
  // No file the game writes holds 0; read as the first level open, so that
  // the indices below stay within the levels.
  if (m_levelsUnlocked == 0)
    m_levelsUnlocked = 1;
  if (m_currentLevel >= m_levelsUnlocked)
    m_currentLevel = m_levelsUnlocked - 1;
  if (m_campaignLevel >= m_levelsUnlocked)
    m_campaignLevel = m_levelsUnlocked - 1;
}
