#include "engine/ScoreBar.h"

#include "engine/BlockColors.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "video/Canvas.h"
#include "video/Window.h"

namespace {

constexpr float barHeight = 18.0f;
const math::Color darkGrey(0.2f, 0.2f, 0.2f, 1.0f);
const math::Color black(0.0f, 0.0f, 0.0f, 1.0f);
const math::Color dimGrey(0.25f, 0.25f, 0.25f, 1.0f);
const math::Color lightGrey(0.7f, 0.7f, 0.7f, 1.0f);

Symbol starOf(unsigned color) {
  static const Symbol stars[COLOR_COUNT + 1] = {SYM(L"starSmallBlue"),    SYM(L"starSmallGreen"),
                                                SYM(L"starSmallMagenta"), SYM(L"starSmallOrange"),
                                                SYM(L"starSmallRed"),     SYM(L"starSmallTeal"),
                                                SYM(L"starSmallDim")};
  return stars[color < COLOR_COUNT ? color : COLOR_COUNT];
}

} // namespace

ScoreBar::ScoreBar(const Level &level) : m_level(level) {
  m_score.format().alignment = math::Vector2(0.0f, 0.5f);
  m_score.position = math::Vector2(5.0f, 0.5f * barHeight);
}

const String &ScoreBar::scoreText() {
  const uint32_t score = m_level.score();
  if (!m_scoreMade || score != m_shownScore) {
    String number = String::toString(unsigned(score));
    number.insertThousandSeparators();
    m_score.setText(String(L"Score ") + number);
    m_shownScore = score;
    m_scoreMade = true;
  }
  return m_score.text();
}

Symbol ScoreBar::starName() const { return starOf(m_level.bonusColor()); }

const String &ScoreBar::bonusText() {
  const unsigned color = m_level.bonusColor() < COLOR_COUNT ? m_level.bonusColor() : COLOR_NONE;
  const unsigned count = color < COLOR_COUNT ? m_level.bonusCount() : 1;
  if (!m_bonusMade || color != m_shownColor || count != m_shownCount) {
    m_bonus.setText(String::toString(count));
    m_shownColor = color;
    m_shownCount = count;
    m_bonusMade = true;
  }
  return m_bonus.text();
}

math::Color ScoreBar::bonusTextColor() const {
  return m_level.bonusColor() < COLOR_COUNT ? black : dimGrey;
}

float ScoreBar::gaugeShare() const { return m_level.timeBonusFactor(); }

void ScoreBar::makeBoards() {
  Database *database = Database::current();
  for (unsigned i = 0; i <= COLOR_COUNT; ++i)
    m_stars[i].setPrototype(database, starOf(i));
  m_timeBonus.setPrototype(database, SYM(L"textTimeBonus"));
  m_timeBonus.initialColor = black;
  m_boardsMade = true;
}

void ScoreBar::render(video::Canvas &canvas) {
  static const Symbol fontSmall = SYM(L"fontSmall");
  if (!m_boardsMade)
    makeBoards();
  const float width = video::Window::screenSize().x;
  // Dark grey along the top, black along the bottom.
  canvas.fillRectCorners(0.0f, 0.0f, width, barHeight, darkGrey, black, darkGrey, black,
                         video::BLEND_NORMAL);
  scoreText();
  m_score.format().setFont(fontSmall);
  m_score.format().color = math::Color::white;
  m_score.render(canvas);

  canvas.pushMatrix();
  canvas.translate(0.5f * width, 0.5f * barHeight);
  renderBonus(canvas);
  canvas.popMatrix();
  renderGauge(canvas);
}

void ScoreBar::renderBonus(video::Canvas &canvas) {
  static const Symbol fontSmall = SYM(L"fontSmall");
  const unsigned color = m_level.bonusColor();
  m_stars[color < COLOR_COUNT ? color : COLOR_COUNT].render(canvas);
  bonusText();
  m_bonus.format().setFont(fontSmall);
  m_bonus.format().color = bonusTextColor();
  m_bonus.render(canvas);
}

void ScoreBar::renderGauge(video::Canvas &canvas) {
  const float x0 = video::Window::screenSize().x - 2.0f - gaugeWidth, y0 = 1.0f;
  canvas.fillRect(x0, y0, gaugeWidth, gaugeHeight, lightGrey, video::BLEND_NORMAL);
  const float share = gaugeShare();
  if (share > 0.0f)
    canvas.fillRect(x0, y0, share * gaugeWidth, gaugeHeight, math::Color::white,
                    video::BLEND_NORMAL);
  m_timeBonus.position = math::Vector2(x0 + 0.5f * gaugeWidth, y0 + 0.5f * gaugeHeight);
  m_timeBonus.render(canvas);
}
