#pragma once
// The drawable that shows one mesh definition with its own cull, depth,
// alpha-test and blend settings. It never owns its definition.

#include "video/RenderKeywords.h"
#include "video/Renderable.h"

namespace mesh {

class MeshDefinition;

class Mesh : public video::Renderable {
public:
  explicit Mesh(MeshDefinition *definition) : definition(definition) {}

  // The canvas's mesh drawing.
  void render(video::Canvas &canvas) override;
  void setBlend(int mode) { blend = mode; }

  // Not owned.
  MeshDefinition *definition;
  bool cull = true;
  bool alphaTest = false;
  int alphaFunction = video::COMPARE_ALWAYS;
  float alphaReference = 0.0f;
  bool depthTest = true;
  bool depthWrite = true;
  int blend = video::BLEND_NORMAL;
};

} // namespace mesh
