#pragma once
// Colours at positions, evaluated by linear interpolation (the terrain's
// colour-by-height gradient). Frames are expected in ascending position;
// nothing sorts them.

#include "container/Vector.h"
#include "math/Color.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace quip {
class Dictionary;
}

namespace math {

struct ColorKeyFrame {
  float position = 0.0f;
  Color color;
};

class ColorKeyFrames {
public:
  ColorKeyFrames() = default;
  ColorKeyFrames(const ColorKeyFrames &) = delete;
  ColorKeyFrames &operator=(const ColorKeyFrames &) = delete;
  ~ColorKeyFrames() { clear(); }

  // Before the first frame its colour, past the last the last's; white when empty.
  Color evaluate(float position) const;
  // Takes ownership.
  void add(ColorKeyFrame *frame) { m_frames.push(frame); }
  unsigned count() const { return m_frames.size(); }
  const ColorKeyFrame &frame(unsigned index) const { return *m_frames[index]; }
  void clear();

  // "frames", an array of dictionaries with "position" and "color"; absent
  // leaves the list alone. False when "frames" is not an array (list kept) or
  // an element is not a dictionary (skipped).
  bool load(const quip::Dictionary &dict);
  void save(quip::Dictionary &dict) const;
  // u32 count, then position and colour (20 bytes) per frame. False on a
  // truncated stream; the frames read before the shortage are kept.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

private:
  container::Vector<ColorKeyFrame *> m_frames;
};

} // namespace math
