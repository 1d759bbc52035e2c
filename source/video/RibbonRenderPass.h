#pragma once
// How a ribbon looks: a render pass (unlit by default) with its texture
// coordinates across and along, its width and fade from start to end, its
// subdivision of curves and the plane it lies in.

#include "video/RenderPass.h"

#include <cstdint>

namespace video {

enum RibbonAlignment { RIBBON_XY, RIBBON_XZ, RIBBON_FACE_CAMERA, RIBBON_ALIGNMENT_COUNT };

class RibbonRenderPass : public RenderPass {
public:
  RibbonRenderPass() { lit = false; }

  // "renderPass" (the pass's own dictionary), then the ribbon's keys; a
  // missing key, and an alignment of no known name, leave their field.
  void read(const Database &database, const quip::Dictionary &dictionary);
  // "renderPass" when it has anything to say, then every ribbon key.
  void write(quip::Dictionary &dictionary) const;

  // At a fraction of the length (held to 0..1).
  float width(float fraction) const;
  float fade(float fraction) const;

  float tOffset = 0.0f;
  float tScale = 1.0f;
  float sLeft = 0.0f;
  float sRight = 1.0f;
  float lineWidthStart = 1.0f;
  float lineWidthEnd = 1.0f;
  // Points on each segment of a curve.
  uint32_t steps = 4;
  float fadeInStart = 0.0f;
  float fadeInEnd = 0.0f;
  float fadeOutStart = 1.0f;
  float fadeOutEnd = 1.0f;
  int alignment = RIBBON_XZ;
};

// "xy", "xz", "faceCamera"; the empty Symbol beyond.
Symbol ribbonAlignmentSymbol(int alignment);
// RIBBON_ALIGNMENT_COUNT for any other keyword.
int ribbonAlignmentFromSymbol(Symbol keyword);

} // namespace video
