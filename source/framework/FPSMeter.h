#pragma once
// The on-screen frame rate: a number in a dark box, in the window's corner
// unless it was given a position. A missing font leaves the box empty.

#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "video/Renderable.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Font;
namespace text {
class FormattedText;
}

class FPSMeter : public video::Renderable {
public:
  FPSMeter() = default;
  FPSMeter(const FPSMeter &) = delete;
  FPSMeter &operator=(const FPSMeter &) = delete;
  ~FPSMeter() override;

  // Where the box and the text go for a text of that size.
  struct Layout {
    math::Rectangle box;
    // The text's left edge and vertical centre.
    math::Vector2 text;
  };

  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }
  Symbol fontName() const { return m_fontName; }
  void setFontName(Symbol name) { m_fontName = name; }
  const math::Color &color() const { return m_color; }
  void setColor(const math::Color &color) { m_color = color; }
  const math::Color &backgroundColor() const { return m_backgroundColor; }
  void setBackgroundColor(const math::Color &color) { m_backgroundColor = color; }
  // From now on the meter sits at this point, not in the corner.
  void setPosition(const math::Vector2 &position);
  const math::Vector2 &position() const { return m_position; }
  bool cornerPlacement() const { return m_cornerPlacement; }

  void render(video::Canvas &canvas) override;

  // Frames per second since the previous reading, 0 when no time passed (and
  // on the first reading).
  int measure(uint32_t now);
  Layout layout(float textWidth, float textHeight, const math::Vector2 &windowSize) const;
  // The text of the last render.
  int shownRate() const { return m_shown; }
  // The font named by the font name in the current database, its default
  // font when the name is empty; null (reported once) when there is none.
  Font *font() const;

private:
  bool m_enabled = false;
  Symbol m_fontName;
  math::Color m_color;
  math::Color m_backgroundColor{0.0f, 0.0f, 0.0f, 0.7f};
  math::Vector2 m_position;
  bool m_cornerPlacement = true;
  bool m_measured = false;
  uint32_t m_previous = 0;
  int m_shown = 0;
  // Made on the first render, when the fonts are there.
  text::FormattedText *m_text = nullptr;
};
