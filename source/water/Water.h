#pragma once
// The water surface of a world: the passes of the water plane, flat patches
// laid on it (decals) and surf running along splines towards the shore. The
// canvas draws it; reading it from a script and the object model come with
// the scene objects.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/RenderPass.h"
#include "video/WaterSurface.h"

#include <cstdint>

namespace math {
class Spline2D;
}

namespace water {

// A flat textured patch: its pass, centre, turn and half extents.
struct Decal : video::WaterPatch {};

// Surf along a spline, fading in and out over each cycle while it travels.
class Surf {
public:
  Surf() = default;
  Surf(const Surf &) = delete;
  Surf &operator=(const Surf &) = delete;
  ~Surf();

  // Takes the spline; the old one is deleted.
  void setStart(math::Spline2D *spline);
  const math::Spline2D *start() const { return m_start; }
  void advance(float dt);
  // Fades in over the first tenth of the cycle, out over the last three.
  float alpha() const;
  // The part of the travel covered so far in the cycle.
  math::Vector2 offset() const;

  video::RenderPass renderPass;
  math::Vector3 position;
  float rotation = 0.0f;
  math::Vector2 travel;
  float elapsed = 0.0f;
  float totalTime = 1.0f;

private:
  math::Spline2D *m_start = nullptr;
};

class Water : public video::WaterSurface {
public:
  Water() = default;
  Water(const Water &) = delete;
  Water &operator=(const Water &) = delete;
  ~Water() override;

  // Each takes ownership and returns what it added.
  video::RenderPass &addRenderPass(video::RenderPass *pass);
  Decal &addDecal(Decal *decal);
  Surf &addSurf(Surf *surf);
  // Each deletes its items and empties its list.
  void clearRenderPasses();
  void clearDecals();
  void clearSurfs();

  // No bounds test.
  video::RenderPass &renderPass(uint32_t i) { return *m_renderPasses[i]; }
  Decal &decal(uint32_t i) { return *m_decals[i]; }
  Surf &surf(uint32_t i) { return *m_surfs[i]; }
  uint32_t renderPassCount() const { return m_renderPasses.size(); }
  uint32_t decalCount() const { return m_decals.size(); }
  uint32_t surfCount() const { return m_surfs.size(); }

  void update(float dt);
  void render(video::Canvas &canvas);

  uint32_t resolution() const override { return tesselation; }
  uint32_t layerCount() const override { return m_renderPasses.size(); }
  video::RenderPass &layer(uint32_t index) override { return *m_renderPasses[index]; }
  uint32_t patchCount() const override { return m_decals.size(); }
  video::WaterPatch &patch(uint32_t index) override { return *m_decals[index]; }
  uint32_t shoreEdgeCount() const override { return m_surfs.size(); }
  // Nothing for surf without a spline.
  void drawShoreEdge(uint32_t index, video::Canvas &canvas) override;

  uint32_t tesselation = 1;

private:
  container::Vector<video::RenderPass *> m_renderPasses;
  container::Vector<Decal *> m_decals;
  container::Vector<Surf *> m_surfs;
};

} // namespace water
