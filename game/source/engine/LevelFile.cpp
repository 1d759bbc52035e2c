// The level file: the two texture names, the block layout, the level word,
// the floor areas, then the tagged sections until the end tag. Every read is
// bounded: a file cut short, or a count running past the bytes it has, is
// refused with a warning, never read past its end.

#include "engine/LevelFile.h"

#include "engine/BoundedName.h"
#include "engine/FloorArea.h"
#include "engine/Level.h"
#include "error/Report.h"
#include "file/TextBinary.h"
#include "math/Vector2.h"

namespace {

// The four counts of an empty wall set, the island count and the floor's
// two counts.
constexpr uint32_t floorAreaBytes = 4 * 4 + 2 + 4 + 4;

void warn(const wchar_t *text) {
  framework::reportWarning(__FILE__, __LINE__, __func__, String(L"Level file: ") + text);
}

} // namespace

bool Level::load(file::ByteProducer &in) {
  if (!readFile(in) || in.overrun()) {
    warn(L"cut short or damaged; refused");
    return false;
  }
  finishLoad();
  return true;
}

bool Level::readFile(file::ByteProducer &in) {
  if (!bounded::readName(in, m_backgroundName) || !bounded::readName(in, m_interiorName))
    return false;
  if (!m_blockGrid.read(in))
    return false;
  if (in.bytesRemaining() < 4)
    return false;
  file::read(m_levelWord, in);
  return readFloorAreas(in) && readSections(in);
}

bool Level::readFloorAreas(file::ByteProducer &in) {
  m_floorAreas.deleteAll();
  uint16_t count;
  if (!bounded::readCount(in, floorAreaBytes, count))
    return false;
  for (uint16_t i = 0; i < count; ++i)
    if (!addFloorArea().read(in))
      return false;
  return true;
}

bool Level::readSections(file::ByteProducer &in) {
  for (;;) {
    uint8_t tag = levelfile::END;
    file::read(tag, in);
    if (in.overrun())
      return false;
    switch (tag) {
    case levelfile::PAR_TIME:
      file::read(m_parTime, in);
      break;
    case levelfile::BALL_START:
      file::read(m_ballStart, in);
      break;
    case levelfile::CAMERA_MARGINS:
      file::read(m_cameraMargins, in);
      break;
    case levelfile::END:
      return true;
    case levelfile::COINS:
      if (!levelfile::readList(*this, m_coins, in))
        return false;
      break;
    case levelfile::CHOMPS:
      if (!levelfile::readList(*this, m_chomps, in))
        return false;
      break;
    case levelfile::TAR_BALLS:
      if (!levelfile::readList(*this, m_tarBalls, in))
        return false;
      break;
    case levelfile::GATES:
      if (!levelfile::readList(*this, m_gates, in))
        return false;
      break;
    case levelfile::LAVAS:
      if (!levelfile::readList(*this, m_lavas, in))
        return false;
      break;
    case levelfile::FIRES:
      if (!levelfile::readList(*this, m_fires, in))
        return false;
      break;
    case levelfile::MONEY_BUGS:
      if (!levelfile::readList(*this, m_moneyBugs, in))
        return false;
      break;
    case levelfile::WORMS:
      if (!levelfile::readList(*this, m_worms, in))
        return false;
      break;
    case levelfile::DOORS:
      if (!levelfile::readList(*this, m_doors, in))
        return false;
      break;
    case levelfile::SWITCHES:
      if (!levelfile::readList(*this, m_switches, in))
        return false;
      break;
    case levelfile::SECRETS:
      if (!levelfile::readList(*this, m_secrets, in))
        return false;
      break;
    case levelfile::TUBES:
      if (!levelfile::readList(*this, m_tubes, in))
        return false;
      break;
    default:
      // A tag without a section: the next byte is the next tag.
      break;
    }
    if (in.overrun())
      return false;
  }
}

void Level::writeFile(file::ByteReceiver &out) const {
  file::write(m_backgroundName, out);
  file::write(m_interiorName, out);
  m_blockGrid.write(out);
  file::write(m_levelWord, out);
  file::write(uint16_t(m_floorAreas.size()), out);
  for (const FloorArea *area : m_floorAreas)
    area->write(out);
  file::write(uint8_t(levelfile::PAR_TIME), out);
  file::write(m_parTime, out);
  file::write(uint8_t(levelfile::BALL_START), out);
  file::write(m_ballStart, out);
  file::write(uint8_t(levelfile::CAMERA_MARGINS), out);
  file::write(m_cameraMargins, out);
  levelfile::writeList(levelfile::LAVAS, m_lavas, out);
  levelfile::writeList(levelfile::COINS, m_coins, out);
  levelfile::writeList(levelfile::CHOMPS, m_chomps, out);
  levelfile::writeList(levelfile::TAR_BALLS, m_tarBalls, out);
  levelfile::writeList(levelfile::GATES, m_gates, out);
  levelfile::writeList(levelfile::FIRES, m_fires, out);
  levelfile::writeList(levelfile::MONEY_BUGS, m_moneyBugs, out);
  levelfile::writeList(levelfile::WORMS, m_worms, out);
  levelfile::writeList(levelfile::DOORS, m_doors, out);
  levelfile::writeList(levelfile::SWITCHES, m_switches, out);
  levelfile::writeList(levelfile::SECRETS, m_secrets, out);
  levelfile::writeList(levelfile::TUBES, m_tubes, out);
  file::write(uint8_t(levelfile::END), out);
}
