#pragma once
// The score server's last answer about one of the player's scores, with its
// stamp (known, fresh). Plain records for now: what they read and write is
// the profile's file layout.

#include "scores/ResultStamp.h"
#include "scores/ScoreRank.h"

#include <cstdint>

class GlobalData {
public:
  GlobalData() { m_answer.reset(); }
  GlobalData(const GlobalData &) = delete;
  GlobalData &operator=(const GlobalData &) = delete;
  virtual ~GlobalData() = default;

  // 37 bytes: the answer, then the known flag (a record read from a file is
  // known, never live).
  virtual void read(file::ByteProducer &in);
  virtual void write(file::ByteReceiver &out) const;
  virtual void reset();

  // A fresh answer.
  void setAnswer(const ScoreRank &answer);

  ScoreRank m_answer;
  ResultStamp m_stamp;
};

class GlobalLevelData : public GlobalData {
public:
  explicit GlobalLevelData(uint32_t levelIndex) : m_levelIndex(levelIndex) {}

  uint32_t m_levelIndex;
};

class GlobalCampaignData : public GlobalData {};
