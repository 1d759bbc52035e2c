#pragma once
// What the canvas needs to draw a billboard: its look with the flips
// already applied, its position and its 3-D settings. Billboards sit above
// rendering, so they describe themselves in this form rather than being
// handed over whole.

#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderKeywords.h"

#include <cstdint>

class Texture;

namespace video {

enum BillboardAlignment { ALIGN_XY = 0, ALIGN_XZ = 1, ALIGN_FACE_CAMERA = 2 };

struct BillboardQuad {
  Texture *texture = nullptr;
  math::Vector2 size;
  // With the flips applied (the point at the position when not centred).
  math::Vector2 origin;
  bool centered = true;
  // Flipped corners 0 top-left, 1 bottom-left, 2 bottom-right, 3 top-right.
  math::Vector2 texCoords[4];
  math::Color color;
  math::Vector2 scale{1.0f, 1.0f};
  float rotation = 0.0f;
  int blend = BLEND_NORMAL;
  int blendBehavior = ENABLE_DEFAULT;
  uint32_t textureStyle = textureStyle::NORMAL;
  // The billboard's own rectangle around its position (unflipped origin).
  math::Rectangle local;
  math::Vector3 position;
  int alignment = ALIGN_XY;
  bool depthTest = false;
  bool depthWrite = false;
  bool alphaTest = false;
  int alphaFunction = COMPARE_ALWAYS;
  float alphaReference = 0.0f;
};

} // namespace video
