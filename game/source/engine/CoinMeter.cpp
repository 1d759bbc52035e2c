#include "engine/CoinMeter.h"

#include "engine/Level.h"
#include "engine/SkeletonDrawing.h"
#include "file/BinaryPrimitives.h"
#include "video/Canvas.h"
#include "video/Window.h"

#include <cmath>

CoinMeter::CoinMeter(const Level &level) : m_level(level) { setState(HIDDEN); }

math::Vector2 CoinMeter::shownPoint() {
  const math::Vector2 size = video::Window::screenSize();
  return math::Vector2(size.x - 25.0f, size.y - 35.0f);
}

math::Vector2 CoinMeter::hiddenPoint() {
  const math::Vector2 size = video::Window::screenSize();
  return math::Vector2(size.x + 40.0f, size.y - 35.0f);
}

void CoinMeter::setState(uint32_t state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  setPosition(state == HIDDEN || state == SLIDING_IN ? hiddenPoint() : shownPoint());
}

void CoinMeter::showFor() {
  m_holdTime = holdSeconds;
  if (m_state != SHOWN)
    setState(SLIDING_IN);
}

void CoinMeter::slide(float fromX, float toX) {
  constexpr float pi = 3.14159265359f;
  const float e = 0.5f + 0.5f * std::cos(2.0f * m_stateTime * pi + pi);
  setPosition(fromX + (toX - fromX) * e, shownPoint().y);
}

void CoinMeter::update(float dt) {
  m_stateTime += dt;
  switch (m_state) {
  case SHOWN:
    m_holdTime -= dt;
    if (m_holdTime <= 0.0f || m_level.coinCount() == 0)
      setState(SLIDING_OUT);
    break;
  case SLIDING_OUT:
    if (m_stateTime <= slideTime)
      slide(shownPoint().x, hiddenPoint().x);
    else
      setState(HIDDEN);
    break;
  case SLIDING_IN:
    if (m_stateTime <= slideTime)
      slide(hiddenPoint().x, shownPoint().x);
    else
      setState(SHOWN);
    break;
  default:
    break;
  }
}

const String &CoinMeter::countText() {
  const uint32_t count = m_level.coinCount();
  if (count != m_shownCount) {
    m_count.setText(count == 0 ? String() : String::toString(unsigned(count)));
    m_shownCount = count;
  }
  return m_count.text();
}

void CoinMeter::render(video::Canvas &canvas) {
  if (m_state == HIDDEN)
    return;
  static const Symbol font = SYM(L"font");
  static const Symbol meter = SYM(L"coinMeter");
  canvas.pushMatrix();
  canvas.translate(position);
  drawSkeleton(canvas, meter, math::Vector3(), m_stateTime, 1.0f, math::Color::white);
  // Without the font there is no count.
  if (!countText().isEmpty()) {
    m_count.format().setFont(font);
    m_count.render(canvas);
  }
  canvas.popMatrix();
}

void CoinMeter::write(file::ByteReceiver &out) const {
  file::write(position.x, out);
  file::write(position.y, out);
  file::write(uint8_t(m_state), out);
  file::write(m_stateTime, out);
  file::write(m_holdTime, out);
}

bool CoinMeter::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  math::Vector2 at;
  uint8_t state;
  float stateTime, holdTime;
  file::read(at.x, in);
  file::read(at.y, in);
  file::read(state, in);
  file::read(stateTime, in);
  file::read(holdTime, in);
  if (in.overrun())
    return false;
  setPosition(at);
  // A state no meter has rests hidden.
  m_state = state < UNSET ? uint32_t(state) : uint32_t(HIDDEN);
  m_stateTime = stateTime;
  m_holdTime = holdTime;
  return true;
}
