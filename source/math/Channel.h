#pragma once
// A time line of key frames that turns a base value and a time into an
// animated value; it may loop. Frame i governs the interval up to frame
// i + 1, starting from the value that all earlier frames built up.

#include "container/Vector.h"
#include "math/Frame.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Channel {
public:
  Channel() = default;
  Channel(const Channel &) = delete;
  Channel &operator=(const Channel &) = delete;
  ~Channel();

  bool loop() const { return m_loop; }
  void setLoop(bool loop) { m_loop = loop; }

  // Takes ownership; returns the new frame count.
  unsigned addFrame(Frame *frame);
  // Takes ownership; an index past the end appends.
  void insertFrame(Frame *frame, unsigned index);
  // Deletes the frame; an index past the end does nothing.
  void removeFrame(unsigned index);
  void clearFrames();
  Frame *frame(unsigned index) const { return m_frames[index]; }
  unsigned frameCount() const { return m_frames.size(); }

  // Time of the last frame; 0 without frames.
  float duration() const;
  // The frame in force at a time; null without frames.
  Frame *frameAt(float time) const;
  float evaluate(float base, float time) const;
  Channel *clone() const;
  bool isEmptyLoop() const { return m_loop && m_frames.isEmpty(); }

  // False when a frame had no "time" or an unknown "type" (that frame is skipped).
  bool load(const quip::Dictionary &dict);
  void save(quip::Dictionary &dict) const;
  // Only fixed frames have a binary form.
  bool isBinaryWritable() const;
  // False on a truncated stream; the frames read before the shortage are kept.
  bool read(file::ByteProducer &in);
  // False, and nothing written, when a frame is not a fixed frame.
  bool write(file::ByteReceiver &out) const;

private:
  void relink();

  bool m_loop = false;
  container::Vector<Frame *> m_frames;
};

} // namespace math
