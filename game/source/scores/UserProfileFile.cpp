// The profile's file "/user.bin": version, player id, level counters, the
// per-level records, the campaign records, the location, the campaign in
// progress and the options, little-endian and unpadded.

#include "audio/Player.h"
#include "error/Log.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "framework/Framework.h"
#include "gui/GameFrontEnd.h"
#include "scores/GlobalCoords.h"
#include "scores/UserProfile.h"

namespace {

// A record of the file at index i: the profile's own while it has one, else
// a scratch record that is read and dropped.
template <typename Record>
void readRecords(container::Vector<Record *> &records, uint32_t count, file::ByteProducer &in) {
  for (uint32_t i = 0; i < count; ++i) {
    if (i < records.size()) {
      records[i]->read(in);
      continue;
    }
    Record surplus(i);
    surplus.read(in);
  }
}

template <typename Record>
void writeRecords(const container::Vector<Record *> &records, file::ByteReceiver &out) {
  file::write(uint16_t(records.size()), out);
  for (uint32_t i = 0; i < records.size(); ++i)
    records[i]->write(out);
}

uint32_t readU16(file::ByteProducer &in) {
  uint16_t value = 0;
  file::read(value, in);
  return value;
}

GlobalCoords *playerCoords() {
  GameFrontEnd *frontEnd = GameFrontEnd::instance();
  return frontEnd ? &frontEnd->coords() : nullptr;
}

} // namespace

String UserProfile::filePath() {
  String folder = Framework::exists() ? Framework::instance()->documentsFolder() : String(L".");
  return folder + L"/user.bin";
}

void UserProfile::load() {
  String path = filePath();
  file::BufferBinary bytes;
  if (bytes.open(path)) {
    // A file cut short would leave part of it decoded over the profile:
    // what was held comes back instead.
    file::BufferBinary held;
    writeTo(held);
    bool wasLoaded = m_loaded;
    readFrom(bytes);
    if (bytes.overrun()) {
      logLine(String(L"Failed to deserialize user data - file is cut short: ") + path);
      held.seek(0);
      readFrom(held);
      m_loaded = wasLoaded;
    }
  }
  if (m_playerId.isEmpty())
    m_playerId = makePlayerId();
}

bool UserProfile::readFrom(file::ByteProducer &in) {
  if (in.bytesRemaining() == 0) {
    logLine(L"Failed to deserialize user data - file exists but is empty.");
    return false;
  }
  uint32_t version = 0;
  file::read(version, in);
  if (version == 0)
    return false;
  file::read(m_playerId, in);
  m_currentLevel = readU16(in);
  m_levelsUnlocked = readU16(in);
  m_levelsCompleted = readU16(in);
  readRecords(m_localLevels, readU16(in), in);
  readRecords(m_globalLevels, readU16(in), in);
  m_localCampaign.read(in);
  m_globalCampaign.read(in);

  bool locationKnown = false;
  math::Vector2 location;
  file::read(locationKnown, in);
  file::read(location, in);
  if (locationKnown)
    if (GlobalCoords *coords = playerCoords())
      coords->setKnownLocation(location);

  file::read(m_campaignInProgress, in);
  m_campaignLevel = readU16(in);
  file::read(m_soundEnabled, in);
  audio::Player::instance().setMuted(!m_soundEnabled);
  file::read(m_postScoresSaved, in);
  if (version > 1)
    file::read(m_calibrationAngle, in);
  clampCounters();
  m_loaded = true;
  return true;
}

void UserProfile::writeTo(file::ByteReceiver &out) const {
  file::write(FileVersion, out);
  file::write(m_playerId, out);
  file::write(uint16_t(m_currentLevel), out);
  file::write(uint16_t(m_levelsUnlocked), out);
  file::write(uint16_t(m_levelsCompleted), out);
  writeRecords(m_localLevels, out);
  writeRecords(m_globalLevels, out);
  m_localCampaign.write(out);
  m_globalCampaign.write(out);
  GlobalCoords *coords = playerCoords();
  file::write(coords && coords->m_stamp.known, out);
  file::write(coords ? coords->m_location : math::Vector2(), out);
  file::write(m_campaignInProgress, out);
  file::write(uint16_t(m_campaignLevel), out);
  file::write(m_soundEnabled, out);
  file::write(m_postScoresSaved, out);
  file::write(m_calibrationAngle, out);
}

bool UserProfile::save() {
  file::BufferBinary bytes;
  writeTo(bytes);
  return bytes.save(filePath());
}
