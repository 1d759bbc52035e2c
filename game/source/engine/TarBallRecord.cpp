// The tar ball's records: its cell and size in the level file, its state
// and its atoms in the snapshot. A tar has at least one atom.

#include "engine/Level.h"
#include "engine/StateHeader.h"
#include "engine/TarBall.h"
#include "file/BinaryPrimitives.h"

namespace {

constexpr uint32_t atomBytes = 4 + 4;

} // namespace

bool TarBall::readLevelRecord(file::ByteProducer &in) {
  if (in.bytesRemaining() < levelRecordBytes)
    return false;
  int32_t column, row;
  uint8_t atoms;
  file::read(column, in);
  file::read(row, in);
  file::read(atoms, in);
  if (in.overrun() || atoms == 0)
    return false;
  place(math::Vector2i(column, row), atoms);
  return true;
}

void TarBall::writeLevelRecord(file::ByteReceiver &out) const {
  file::write(m_cell.x, out);
  file::write(m_cell.y, out);
  file::write(uint8_t(atomCount()), out);
}

void TarBall::write(file::ByteReceiver &out) const {
  file::write(uint16_t(m_regionIndex), out);
  stateheader::write(m_state, m_stateTime, out);
  file::write(m_cell.x, out);
  file::write(m_cell.y, out);
  file::write(uint8_t(atomCount()), out);
  for (const physics::Atom *atom : m_structure.atoms) {
    file::write(atom->position.x, out);
    file::write(atom->position.y, out);
  }
}

bool TarBall::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  const uint32_t start = in.tell();
  uint16_t area;
  uint8_t state, atoms;
  float stateTime;
  int32_t column, row;
  file::read(area, in);
  file::read(state, in);
  file::read(stateTime, in);
  file::read(column, in);
  file::read(row, in);
  file::read(atoms, in);
  if (in.overrun() || state > INACTIVE || atoms == 0 ||
      in.bytesRemaining() < uint32_t(atoms) * atomBytes) {
    in.seek(start);
    return false;
  }
  setRegionIndex(area);
  m_state = state;
  m_stateTime = stateTime;
  m_cell = math::Vector2i(column, row);
  setAtomCount(atoms);
  for (physics::Atom *atom : m_structure.atoms) {
    float x, y;
    file::read(x, in);
    file::read(y, in);
    atom->resetPosition(math::Vector3(x, y, 0.0f));
  }
  return !in.overrun();
}
