// The level's state in a saved game: 48 fields in a fixed order, lists as a
// u16 count and their records, counts narrowed to their widths. Every count
// is checked against the bytes that remain before anything is made for it.

#include "engine/Ball.h"
#include "engine/BoundedCount.h"
#include "engine/BoundedName.h"
#include "engine/FloorArea.h"
#include "engine/Level.h"
#include "error/Report.h"
#include "file/TextBinary.h"

namespace {

// The smallest record of a pool: an empty outline, no triangles, bounds.
constexpr uint32_t lavaRecordBytes = 2 + 2 + 4 * 4;
// A group id and its count.
constexpr uint32_t groupCountBytes = 4 + 4;

void warn(const wchar_t *text) {
  framework::reportWarning(__FILE__, __LINE__, __func__, String(L"Saved level: ") + text);
}

template <typename T> void writeStates(const ObjectList<T> &list, file::ByteReceiver &out) {
  file::write(uint16_t(list.size()), out);
  for (const T *object : list)
    object->write(out);
}

// Appends one object per record, each made with the level as owner.
template <typename T>
bool readStates(Level &level, ObjectList<T> &list, uint32_t recordBytes, file::ByteProducer &in) {
  uint16_t count;
  if (!bounded::readCount(in, recordBytes, count))
    return false;
  for (uint16_t i = 0; i < count; ++i) {
    T *object = new T(level);
    list.append(object);
    if (!object->read(in) || in.overrun())
      return false;
  }
  return true;
}

template <typename T> bool readValue(file::ByteProducer &in, T &value) {
  if (in.bytesRemaining() < sizeof(T))
    return false;
  file::read(value, in);
  return true;
}

} // namespace

void Level::writeState(file::ByteReceiver &out) const {
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  m_ball->write(out);
  m_coinMeter.write(out);
  file::write(m_score, out);
  file::write(m_backgroundName, out);
  file::write(m_interiorName, out);
  m_blockGrid.writeWithState(out);
  file::write(uint16_t(m_floorAreas.size()), out);
  for (const FloorArea *area : m_floorAreas)
    area->write(out);
  writeStates(m_neutrons, out);
  writeStates(m_chomps, out);
  writeStates(m_tarBalls, out);
  writeStates(m_gates, out);
  writeStates(m_secrets, out);
  writeStates(m_lavas, out);
  writeStates(m_tubes, out);
  writeStates(m_fires, out);
  writeStates(m_moneyBugs, out);
  writeStates(m_worms, out);
  writeStates(m_coins, out);
  writeStates(m_doors, out);
  writeStates(m_switches, out);
  writeStates(m_explosions, out);
  writeStates(m_blockLightnings, out);
  writeStates(m_groupScoreDrops, out);
  file::write(uint16_t(m_balls), out);
  file::write(uint16_t(m_nextGroupId), out);
  file::write(m_chargeTimer, out);
  file::write(uint8_t(m_bonusColor), out);
  file::write(uint8_t(m_bonusCount), out);
  file::write(uint16_t(m_blocksBroken), out);
  file::write(m_ballEarned, out);
  file::write(uint16_t(m_pendingCoins), out);
  file::write(uint16_t(m_coinCount), out);
  file::write(m_playTime, out);
  file::write(m_parTime, out);
  file::write(m_cameraMove.from, out);
  file::write(m_cameraMove.to, out);
  file::write(m_cameraMove.elapsed, out);
  file::write(m_cameraMove.duration, out);
  file::write(m_cameraMove.moveXY, out);
  file::write(m_cameraMove.moveZ, out);
  file::write(m_shake, out);
  file::write(m_camera.position(), out);
  m_effects.serialize(out);
  // The keys are gathered first; their order is the table's own.
  const container::Vector<unsigned> keys = m_groupCounts.keys();
  file::write(uint16_t(keys.size()), out);
  for (unsigned key : keys) {
    file::write(uint32_t(key), out);
    file::write(uint32_t(m_groupCounts.get(key)), out);
  }
  file::write(m_ballStart, out);
  file::write(m_levelWord, out);
}

bool Level::readState(file::ByteProducer &in) {
  if (!readStateFields(in) || in.overrun()) {
    warn(L"cut short or damaged; refused");
    return false;
  }
  finishLevel();
  return true;
}

bool Level::readStateFields(file::ByteProducer &in) {
  uint8_t state;
  if (!readValue(in, state) || state > NOT_BEGUN || !readValue(in, m_stateTime))
    return false;
  m_state = state;
  if (!m_ball->read(in) || !m_coinMeter.read(in) || !readValue(in, m_score))
    return false;
  if (!bounded::readName(in, m_backgroundName) || !bounded::readName(in, m_interiorName))
    return false;
  if (!m_blockGrid.readWithState(in) || !readFloorAreas(in))
    return false;
  bool ok = readStates(*this, m_neutrons, Neutron::recordBytes, in);
  ok = ok && readStates(*this, m_chomps, Chomp::recordBytes, in);
  ok = ok && readStates(*this, m_tarBalls, TarBall::recordBytes, in);
  ok = ok && readStates(*this, m_gates, Gate::recordBytes, in);
  ok = ok && readStates(*this, m_secrets, Secret::recordBytes, in);
  ok = ok && readStates(*this, m_lavas, lavaRecordBytes, in);
  ok = ok && readStates(*this, m_tubes, Tube::recordBytes, in);
  ok = ok && readStates(*this, m_fires, Fire::recordBytes, in);
  ok = ok && readStates(*this, m_moneyBugs, MoneyBug::minimumRecordBytes, in);
  ok = ok && readStates(*this, m_worms, Worm::recordBytes, in);
  ok = ok && readStates(*this, m_coins, Coin::recordBytes, in);
  ok = ok && readStates(*this, m_doors, Door::recordBytes, in);
  ok = ok && readStates(*this, m_switches, Switch::recordBytes, in);
  ok = ok && readStates(*this, m_explosions, Explosion::recordBytes, in);
  ok = ok && readStates(*this, m_blockLightnings, BlockLightning::recordBytes, in);
  if (!ok || !readGroupScoreDrops(in))
    return false;

  uint16_t balls, nextGroupId, blocksBroken, pendingCoins, coinCount;
  uint8_t bonusColor, bonusCount;
  if (!readValue(in, balls) || !readValue(in, nextGroupId) || !readValue(in, m_chargeTimer) ||
      !readValue(in, bonusColor) || !readValue(in, bonusCount) || !readValue(in, blocksBroken) ||
      !readValue(in, m_ballEarned) || !readValue(in, pendingCoins) || !readValue(in, coinCount) ||
      !readValue(in, m_playTime) || !readValue(in, m_parTime))
    return false;
  if (bonusColor > COLOR_NONE)
    return false;
  m_balls = balls;
  m_nextGroupId = nextGroupId;
  m_bonusColor = bonusColor;
  m_bonusCount = bonusCount;
  m_blocksBroken = blocksBroken;
  m_pendingCoins = pendingCoins;
  m_coinCount = coinCount;
  // The grid counted the live coloured blocks it read; those broken before
  // the save count towards completion too.
  m_blockGrid.setColouredCount(m_blockGrid.colouredCount() + m_blocksBroken);

  CameraMove &move = m_cameraMove;
  math::Vector3 camera;
  if (!readValue(in, move.from) || !readValue(in, move.to) || !readValue(in, move.elapsed) ||
      !readValue(in, move.duration) || !readValue(in, move.moveXY) || !readValue(in, move.moveZ) ||
      !readValue(in, m_shake) || !readValue(in, camera))
    return false;
  m_camera.setPosition(camera);
  refreshVisibleRectangle();
  refreshSpriteSize();

  if (!m_effects.deserialize(in) || !readGroupCounts(in))
    return false;
  return readValue(in, m_ballStart) && readValue(in, m_levelWord);
}

bool Level::readGroupScoreDrops(file::ByteProducer &in) {
  uint16_t count;
  if (!bounded::readCount(in, GroupScoreDrop::recordBytes, count))
    return false;
  for (uint16_t i = 0; i < count; ++i) {
    auto *drop = new GroupScoreDrop(*this);
    m_groupScoreDrops.append(drop);
    if (!drop->read(in))
      return false;
    // One drop a group: a second would take the first one's place in the
    // table and leave it to die unlisted.
    if (m_groupScoreDropTable.contains(drop->id())) {
      warn(L"two group drops of one group; refused");
      return false;
    }
    m_groupScoreDropTable.put(drop->id(), drop);
  }
  return true;
}

bool Level::readGroupCounts(file::ByteProducer &in) {
  m_groupCounts.clear();
  uint16_t count;
  if (!bounded::readCount(in, groupCountBytes, count))
    return false;
  for (uint16_t i = 0; i < count; ++i) {
    uint32_t group, blocks;
    file::read(group, in);
    file::read(blocks, in);
    m_groupCounts.put(group, blocks);
  }
  return !in.overrun();
}
