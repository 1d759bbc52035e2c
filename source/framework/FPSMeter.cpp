#include "framework/FPSMeter.h"

#include "error/Clock.h"
#include "video/Window.h"

void FPSMeter::setPosition(const math::Vector2 &position) {
  m_position = position;
  m_cornerPlacement = false;
}

int FPSMeter::measure(uint32_t now) {
  if (!m_measured) {
    m_previous = now;
    m_measured = true;
  }
  float fps = now != m_previous ? 1000.0f / float(now - m_previous) : 0.0f;
  m_previous = now;
  return int(fps);
}

FPSMeter::Layout FPSMeter::layout(float textWidth, float textHeight,
                                  const math::Vector2 &windowSize) const {
  float bw = textWidth + 10.0f, bh = textHeight + 10.0f;
  math::Vector2 at =
      m_cornerPlacement ? math::Vector2(windowSize.x - bw, windowSize.y - bh / 2.0f) : m_position;
  Layout out;
  out.box.set(at.x, at.y - bh / 2.0f, bw, bh);
  out.text = math::Vector2(at.x + 5.0f, at.y);
  return out;
}

void FPSMeter::render(video::Canvas &) {
  if (!m_enabled)
    return;
  // The number is drawn with the fonts once they exist; the rate is kept
  // meanwhile so that the meter can be read.
  m_shown = measure(Clock::startClock().elapsedMilliseconds());
}
