#include "engine/BoardDrawing.h"

#include "billboard/Billboard3D.h"
#include "file/Database.h"

void drawBoard(video::Canvas &canvas, Symbol prototype, const math::Vector3 &at,
               const BoardLook &look) {
  Billboard3D board(Database::current(), prototype);
  if (!board.texture())
    return;
  board.settle();
  if (!(board.size.x > 0.0f))
    return;
  const float scale = look.width > 0.0f ? look.width / board.size.x * look.factor : look.factor;
  board.initialScale = math::Vector2(scale, scale);
  board.initialColor = look.colour;
  board.initialRotation = look.degrees;
  board.position = at;
  if (look.blend >= 0)
    board.setBlend(look.blend);
  board.render(canvas);
}
