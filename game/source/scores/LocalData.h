#pragma once
// The player's own score for a level or for the running campaign, with where
// it was made and whether the server has it. Plain records for now: what
// they read and write is the profile's file layout.

#include "math/Vector2.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class LocalData {
public:
  LocalData() = default;
  LocalData(const LocalData &) = delete;
  LocalData &operator=(const LocalData &) = delete;
  virtual ~LocalData() = default;

  // 13 bytes: score, location, posted.
  virtual void read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual void reset();
  // A changed score must be posted again.
  virtual void invalidate() { m_posted = false; }

  void setScore(uint32_t score);
  void setLocation(const math::Vector2 &location);

  uint32_t m_score = 0;
  // x longitude, y latitude; (0, 0) when none.
  math::Vector2 m_location;
  bool m_posted = false;
};

class LocalLevelData : public LocalData {
public:
  explicit LocalLevelData(uint32_t levelIndex) : m_levelIndex(levelIndex) {}

  // Also forgets the server's answer about the level's old score.
  void invalidate() override;

  uint32_t m_levelIndex;
};

class LocalCampaignData : public LocalData {
public:
  // The 13 bytes, then the last level as u16.
  void read(file::ByteProducer &in) override;
  void write(file::ByteReceiver &out) const override;
  void reset() override;
  void invalidate() override;

  void setLastLevel(uint32_t level);

  // The last level completed in the campaign.
  uint32_t m_lastLevel = 0;
};
