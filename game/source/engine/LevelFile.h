#pragma once
// The level file after its floor areas: tagged sections until the end tag.
// A list section is a count and that many records of one kind; a value
// section is one value. Sections may come in any order and more than once;
// a later one replaces what an earlier one set. Tags without a section of
// their own carry no body.
//
// A kind of object enters the file through one case in the level's section
// reader and one line in its writer, both through the two templates below;
// its class gives them a constructor taking the level and its level-file
// record as readLevelRecord (false for a record it refuses) and
// writeLevelRecord.

#include "engine/BoundedCount.h"
#include "engine/ObjectList.h"
#include "file/BinaryPrimitives.h"

#include <cstdint>

class Level;

namespace levelfile {

enum Tag : uint8_t {
  PAR_TIME = 0,
  CHOMPS = 1,
  TAR_BALLS = 2,
  GATES = 3,
  SECRETS = 4,
  LAVAS = 5,
  TUBES = 6,
  FIRES = 7,
  MONEY_BUGS = 8,
  WORMS = 9,
  COINS = 10,
  DOORS = 11,
  SWITCHES = 12,
  BALL_START = 13,
  CAMERA_MARGINS = 14,
  END = 255,
};

// Deletes the list's objects, then makes, appends and reads one object per
// record. False when the count runs past the bytes remaining (each record
// takes a byte at least), a record is refused or the stream runs out.
template <typename T> bool readList(Level &level, ObjectList<T> &list, file::ByteProducer &in) {
  list.deleteAll();
  uint32_t count;
  if (!bounded::readCount(in, 1, count))
    return false;
  for (uint32_t i = 0; i < count; ++i) {
    T *object = new T(level);
    list.append(object);
    if (!object->readLevelRecord(in) || in.overrun())
      return false;
  }
  return true;
}

// Nothing for an empty list: a level without the kind has no section.
template <typename T> void writeList(Tag tag, const ObjectList<T> &list, file::ByteReceiver &out) {
  if (list.isEmpty())
    return;
  file::write(uint8_t(tag), out);
  file::write(list.size(), out);
  for (const T *object : list)
    object->writeLevelRecord(out);
}

} // namespace levelfile
