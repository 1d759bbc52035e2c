#pragma once
// The strip of the level's numbers during play, in window pixels: the score,
// the bonus star with its count, and the time-bonus gauge. It is the level's
// star display; it keeps nothing of its own but the texts and billboards it
// draws with, remade only when what they show changes.

#include "billboard/Billboard2D.h"
#include "math/Color.h"
#include "text/FormattedText.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Level;
namespace video {
class Canvas;
}

class ScoreBar {
public:
  // The gauge's size in pixels.
  static constexpr float gaugeWidth = 114.0f;
  static constexpr float gaugeHeight = 16.0f;

  explicit ScoreBar(const Level &level);
  ScoreBar(const ScoreBar &) = delete;
  ScoreBar &operator=(const ScoreBar &) = delete;

  void update(float dt) { (void)dt; }
  void render(video::Canvas &canvas);

  // What the bar shows now: "Score " and the score with thousands
  // separators; the star by the bonus colour (dim without one) with the
  // bonus count in black, or "1" in grey.
  const String &scoreText();
  Symbol starName() const;
  const String &bonusText();
  math::Color bonusTextColor() const;
  // The white share of the gauge, 0 to 1.
  float gaugeShare() const;

private:
  void makeBoards();
  void renderBonus(video::Canvas &canvas);
  void renderGauge(video::Canvas &canvas);

  const Level &m_level;
  text::FormattedText m_score;
  text::FormattedText m_bonus;
  uint32_t m_shownScore = 0;
  bool m_scoreMade = false;
  unsigned m_shownColor = 0;
  unsigned m_shownCount = 0;
  bool m_bonusMade = false;
  bool m_boardsMade = false;
  // One per bonus colour, then the dim star.
  Billboard2D m_stars[7];
  Billboard2D m_timeBonus;
};
