#include "engine/SkeletonDrawing.h"

#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/Database.h"
#include "video/Canvas.h"

void drawSkeleton(video::Canvas &canvas, Symbol name, const math::Vector3 &at, float time,
                  float scale, const math::Color &colour) {
  drawSkeleton(canvas, name, at, time, scale, colour, 0.0f);
}

void drawSkeleton(video::Canvas &canvas, Symbol name, const math::Vector3 &at, float time,
                  float scale, const math::Color &colour, float turn) {
  Database *database = Database::current();
  SkeletonStore *store = database ? SkeletonStore::of(*database) : nullptr;
  if (!store)
    return;
  animation::Skeleton *skeleton = store->skeleton(name);
  skeleton->animate(time);
  canvas.pushMatrix();
  canvas.translate(at);
  if (turn != 0.0f)
    canvas.rotate(turn, 0.0f, 0.0f, -1.0f);
  canvas.scale(scale, scale, scale);
  canvas.pushColor();
  canvas.multiplyColor(colour);
  skeleton->render(canvas);
  canvas.popColor();
  canvas.popMatrix();
}
