#pragma once
// The track of a skeleton node that shows another skeleton: timed frames,
// each naming the skeleton shown from its time on and that skeleton's age
// there. A frame that repeats the previous frame's skeleton with continueAge
// lets it run on instead of restarting.

#include "container/Vector.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}

namespace animation {

class Skeleton;

struct SkeletonFrame {
  // Reaches the skeleton store; the one handed to the reader that made the
  // frame.
  Database *database = nullptr;
  // Empty: no skeleton is shown.
  Symbol skeleton;
  float skeletonAge = 0.0f;
  bool continueAge = false;
  float time = 0.0f;
};

class SkeletonChannel {
public:
  SkeletonChannel() = default;
  SkeletonChannel(const SkeletonChannel &) = delete;
  SkeletonChannel &operator=(const SkeletonChannel &) = delete;
  ~SkeletonChannel() { deleteFrames(); }

  // Wrapped into the length while looping (the length itself stays).
  void advance(float t);
  float time() const { return m_time; }
  // The time of the last frame; 0 without frames.
  float length() const;
  // The skeleton of the frame active at the channel time, from the store of
  // the frame's database (the current one when the frame has none), and
  // its age there; null for an empty name, without frames or without a
  // store.
  Skeleton *current(float &age) const;
  Skeleton *current() const {
    float age;
    return current(age);
  }
  void touch(Database *database);

  // Each takes the frame over and runs the continueAge pass.
  void addFrame(SkeletonFrame *frame);
  void insertFrame(uint32_t index, SkeletonFrame *frame);
  void removeFrame(uint32_t index);
  uint32_t frameCount() const { return m_frames.size(); }
  SkeletonFrame &frame(uint32_t index) const { return *m_frames[index]; }

  bool isEmpty() const { return m_frames.isEmpty() && !loop; }
  // Time 0, loop clear, no frames.
  void reset();

  // "loop" where present; "frames" replaces the frames. A first frame after
  // time 0 gets an empty frame at 0 before it, with a warning.
  void read(Database *database, const quip::Dictionary &dictionary);
  void write(quip::Dictionary &dictionary) const;
  // The stored ages are those after the continueAge pass, which reading
  // does not run again. False when the record runs short.
  bool readBinary(Database *database, file::ByteProducer &in);
  void writeBinary(file::ByteReceiver &out) const;

  bool loop = false;

private:
  void continueAges();
  void deleteFrames();

  float m_time = 0.0f;
  container::Vector<SkeletonFrame *> m_frames;
};

} // namespace animation
