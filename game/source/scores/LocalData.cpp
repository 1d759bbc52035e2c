#include "scores/LocalData.h"

#include "file/BinaryPrimitives.h"
#include "scores/GlobalData.h"
#include "scores/UserProfile.h"

void LocalData::read(file::ByteProducer &in) {
  file::read(m_score, in);
  file::read(m_location, in);
  file::read(m_posted, in);
}

void LocalData::write(file::ByteReceiver &out) const {
  file::write(m_score, out);
  file::write(m_location, out);
  file::write(m_posted, out);
}

void LocalData::reset() {
  m_score = 0;
  m_location = math::Vector2();
  m_posted = false;
}

void LocalData::setScore(uint32_t score) {
  m_score = score;
  invalidate();
}

void LocalData::setLocation(const math::Vector2 &location) {
  m_location = location;
  invalidate();
}

void LocalLevelData::invalidate() {
  LocalData::invalidate();
  if (UserProfile::exists())
    if (GlobalLevelData *answer = UserProfile::instance().globalLevel(m_levelIndex))
      answer->m_stamp.clear();
}

void LocalCampaignData::read(file::ByteProducer &in) {
  LocalData::read(in);
  uint16_t last = 0;
  file::read(last, in);
  m_lastLevel = last;
}

void LocalCampaignData::write(file::ByteReceiver &out) const {
  LocalData::write(out);
  file::write(uint16_t(m_lastLevel), out);
}

void LocalCampaignData::reset() {
  LocalData::reset();
  m_lastLevel = 0;
}

void LocalCampaignData::invalidate() {
  if (UserProfile::exists())
    UserProfile::instance().m_globalCampaign.m_stamp.clear();
  LocalData::invalidate();
}

void LocalCampaignData::setLastLevel(uint32_t level) {
  m_lastLevel = level;
  invalidate();
}
