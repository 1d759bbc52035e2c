#pragma once
// A timed list of 2-D billboards: the billboard track of a skeleton node.
// Frames stand in ascending time order and own their billboards; an empty
// frame shows nothing.

#include "container/Vector.h"

#include <cstdint>

class Billboard2D;
class Database;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

struct BillboardFrame {
  float time = 0.0f;
  Billboard2D *billboard = nullptr;
  BillboardFrame() = default;
  BillboardFrame(float time, Billboard2D *billboard) : time(time), billboard(billboard) {}
  BillboardFrame(const BillboardFrame &) = delete;
  BillboardFrame &operator=(const BillboardFrame &) = delete;
  ~BillboardFrame();
};

class BillboardChannel {
public:
  BillboardChannel() = default;
  BillboardChannel(const BillboardChannel &) = delete;
  BillboardChannel &operator=(const BillboardChannel &) = delete;
  ~BillboardChannel() { reset(); }

  // Wrapped into the length while looping.
  void setAge(float t);
  float age() const { return m_age; }
  float length() const;
  Billboard2D *billboardAt(float age) const;
  bool isEmpty() const;
  // Loads the texture of every frame's billboard.
  void touch();
  void reset();

  // Takes the frame over.
  void insertFrame(uint32_t index, BillboardFrame *frame);
  void appendFrame(BillboardFrame *frame) { m_frames.push(frame); }
  void removeFrame(uint32_t index);
  uint32_t frameCount() const { return m_frames.size(); }
  BillboardFrame &frame(uint32_t i) { return *m_frames[i]; }

  // The frame count.
  uint32_t read(Database *database, const quip::Dictionary &dictionary);
  void write(quip::Dictionary &dictionary) const;
  // False for a truncated or broken record; the frames read so far stay.
  bool readBinary(Database *database, file::ByteProducer &in);
  void writeBinary(Database *database, file::ByteReceiver &out) const;

  bool loop = false;

private:
  void deleteFrames();

  float m_age = 0.0f;
  container::Vector<BillboardFrame *> m_frames;
};
