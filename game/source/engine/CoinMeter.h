#pragma once
// The coin counter in the lower right corner of the window: it slides in
// when a coin is collected, stays for 2 s and slides out again. It shows
// the level's coins towards the next extra ball, and slides out whenever
// that count is 0.

#include "math/Spatial2D.h"
#include "text/FormattedText.h"

#include <cstdint>

class Level;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace video {
class Canvas;
}

class CoinMeter : public math::Spatial2D {
public:
  enum State : uint32_t { HIDDEN = 0, SLIDING_IN = 1, SHOWN = 2, SLIDING_OUT = 3, UNSET = 4 };
  static constexpr float slideTime = 0.5f;
  static constexpr float holdSeconds = 2.0f;
  // Position, state, state time, hold time.
  static constexpr uint32_t recordBytes = 8 + 1 + 4 + 4;

  // Hidden.
  explicit CoinMeter(const Level &level);
  CoinMeter(const CoinMeter &) = delete;
  CoinMeter &operator=(const CoinMeter &) = delete;

  // Only a different state counts: the state time restarts and the meter
  // jumps to the hidden point (hidden, sliding in) or the shown point.
  void setState(uint32_t state);
  // Holds for 2 s from now; a meter not shown slides in (again) from the
  // hidden point, a shown one keeps its place.
  void showFor();
  void showNow() { setState(SHOWN); }
  void update(float dt);
  // Nothing when hidden; the count when it is not 0.
  void render(video::Canvas &canvas);

  // In window pixels: (w - 25, h - 35) and (w + 40, h - 35).
  static math::Vector2 shownPoint();
  static math::Vector2 hiddenPoint();

  void write(file::ByteReceiver &out) const;
  // False, changing nothing, when the record is cut short. The state is
  // taken without a state change.
  bool read(file::ByteProducer &in);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  float holdTime() const { return m_holdTime; }
  // The text drawn for the count; empty when the count is 0.
  const String &countText();

private:
  // Eased across from one x to the other over the slide time.
  void slide(float fromX, float toX);

  const Level &m_level;
  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  float m_holdTime = 0.0f;
  text::FormattedText m_count;
  uint32_t m_shownCount = 0;
};
