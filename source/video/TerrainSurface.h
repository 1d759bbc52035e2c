#pragma once
// What the canvas draws of a terrain, declared here because the terrain sits
// above rendering: the terrain implements TerrainSurface, and its layers,
// coastline strip, surf ribbons and decorations hold these records.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector3.h"
#include "video/BillboardQuad.h"
#include "video/RenderPass.h"

#include <cstdint>

namespace video {

class BufferObject;

// One part of a layer: a 16-bit indexed triangle strip over the layer's
// vertex buffers, and a triangle list of extra vertices with buffers of its
// own (a shore mesh). Buffers are null until the terrain makes them.
struct TerrainBlock {
  container::Vector<uint16_t> indices;
  BufferObject *indexBuffer = nullptr;
  uint32_t extraCount = 0;
  BufferObject *extraPositions = nullptr;
  BufferObject *extraColors = nullptr;
  BufferObject *extraCoordinates = nullptr;
};

// A layer's vertex buffers (3 floats, 4 bytes, 2 floats per vertex) and its
// two parts: the first drawn with the dry terrain, the second with the
// submerged terrain.
struct TerrainLayerBuffers {
  BufferObject *positions = nullptr;
  BufferObject *colors = nullptr;
  BufferObject *coordinates = nullptr;
  TerrainBlock blocks[2];
};

// A triangle strip of its own with its pass (the coastline).
struct TerrainStrip {
  RenderPass renderPass;
  uint32_t vertexCount = 0;
  BufferObject *positions = nullptr;
  BufferObject *colors = nullptr;
  BufferObject *coordinates = nullptr;
};

// A closed loop of inner and outer points; segmentLengths[i] is the length
// from inner point i to the next.
struct TerrainRibbon {
  container::Vector<math::Vector3> inner;
  container::Vector<math::Vector3> outer;
  container::Vector<float> segmentLengths;
};

// Closed ribbons drawn with one pass (the surf line).
struct TerrainRibbons {
  RenderPass renderPass;
  container::Vector<TerrainRibbon> loops;
};

class TerrainSurface {
public:
  virtual ~TerrainSurface() = default;

  // Brings every layer's buffers and lists up to date before they are drawn.
  virtual void prepareLayers() = 0;
  virtual uint32_t layerCount() const = 0;
  virtual RenderPass &layerPass(uint32_t index) = 0;
  virtual TerrainLayerBuffers &layerBuffers(uint32_t index) = 0;
  // Null when there is none.
  virtual TerrainStrip *strip() = 0;
  // Brings the strip's buffers up to date.
  virtual void refreshStrip() = 0;
  virtual TerrainRibbons *ribbons() = 0;

  // For scattering decorations; positions are in the world.
  virtual math::Vector3 origin() const = 0;
  // Centre and half extents around the origin.
  virtual void localBounds(math::Vector3 &center, math::Vector3 &halfExtents) const = 0;
  virtual bool heightAt(const math::Vector3 &position, float &height) const = 0;
  virtual bool colorAt(const math::Vector3 &position, math::Color &color) const = 0;
  // Whether decoration number index may stand in the cell under the position.
  virtual bool decorationAllowed(const math::Vector3 &position, int index) const = 0;
  virtual float waterLevel() const = 0;
};

// One decoration as the canvas scatters it: upright billboards around the
// camera, fading out towards the cut-off radius.
struct TerrainDecoration {
  TerrainSurface *terrain = nullptr;
  int index = 0;
  BillboardQuad quad;
  float cutoffRadius = 100.0f;
  float step = 10.0f;
  float noiseScale = 1.0f;
  float fixedHeight = 0.0f;
  bool hasFixedHeight = false;
  bool takeGroundColor = true;
};

} // namespace video
