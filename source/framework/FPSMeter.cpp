#include "framework/FPSMeter.h"

#include "error/Clock.h"
#include "file/Database.h"
#include "text/FontFactory.h"
#include "text/FormattedText.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"
#include "video/Window.h"

#include <cwchar>

FPSMeter::~FPSMeter() { delete m_text; }

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

Font *FPSMeter::font() const {
  static const Symbol defaultName = Symbol::intern(L"font");
  return findFont(m_fontName.isEmpty() ? defaultName : m_fontName);
}

void FPSMeter::render(video::Canvas &canvas) {
  if (!m_enabled)
    return;
  int rate = measure(Clock::startClock().elapsedMilliseconds());
  if (!m_text) {
    m_text = new text::FormattedText(font());
    m_text->format().alignment = math::Vector2(0.0f, 0.5f);
  } else {
    m_text->format().setFont(font());
  }
  // The text changes only with the number.
  if (rate != m_shown || m_text->text().isEmpty()) {
    wchar_t digits[16];
    swprintf(digits, 16, L"%d", rate);
    m_text->setText(String(digits));
  }
  m_shown = rate;

  Layout placed = layout(m_text->width(), m_text->height(), video::Window::screenSize());
  canvas.fillRect(placed.box, m_backgroundColor, video::BLEND_NORMAL);
  m_text->format().color = m_color;
  m_text->setPosition(placed.text);
  m_text->render(canvas);
}
