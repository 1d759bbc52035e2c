// How a tube is drawn: a ribbon along its path whose texture the level
// scrolls with the play time, the boards of its mouth and exit, and the
// mouth's upper board, drawn over the ball.

#include "engine/BoardDrawing.h"
#include "engine/GameTextures.h"
#include "engine/Tube.h"
#include "video/Canvas.h"

namespace {

void drawBoardAt(video::Canvas &canvas, Symbol prototype, const math::Vector2 &at, float degrees) {
  BoardLook look;
  look.factor = Tube::boardScale;
  look.degrees = degrees;
  drawBoard(canvas, prototype, math::Vector3(at.x, at.y, 0.0f), look);
}

} // namespace

void Tube::renderLayer(video::Canvas &canvas, uint32_t layer) {
  if (!hasPath())
    return;
  const uint32_t n = m_path.controlPointCount();
  switch (layer) {
  case RIBBON:
    if (!m_ribbonPass.texture)
      m_ribbonPass.texture = gameTexture(SYM(L"tube"));
    canvas.drawSpline(m_path, m_ribbonPass, false);
    break;
  case ENTRANCE:
    drawBoardAt(canvas, SYM(L"tubeEntrance"), m_path.controlPoint(1), m_mouthAngle);
    break;
  case EXIT:
    drawBoardAt(canvas, SYM(L"tubeExit"), m_path.controlPoint(int(n) - 2), m_exitAngle);
    break;
  case ABOVE:
    drawBoardAt(canvas, SYM(L"tubeEntranceAbove"), m_path.controlPoint(1), m_mouthAngle);
    break;
  default:
    break;
  }
}
