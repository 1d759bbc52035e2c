#include "water/Water.h"

#include "math/Spline2D.h"
#include "video/Canvas.h"

#include <cmath>

namespace water {

namespace {

template <typename T> void deleteAll(container::Vector<T *> &list) {
  for (T *item : list)
    delete item;
  list.clear();
}

} // namespace

Surf::~Surf() { delete m_start; }

void Surf::setStart(math::Spline2D *spline) {
  if (spline == m_start)
    return;
  delete m_start;
  m_start = spline;
}

void Surf::advance(float dt) {
  elapsed += dt;
  if (totalTime > 0.0f)
    while (elapsed > totalTime)
      elapsed -= totalTime;
  renderPass.advanceTime(dt);
}

float Surf::alpha() const {
  float t = elapsed, total = totalTime;
  if (total <= 0.0f)
    return 1.0f;
  if (t < 0.1f * total)
    return t / (0.1f * total);
  if (t <= 0.7f * total)
    return 1.0f;
  return 1.0f - (t - 0.7f * total) / (0.3f * total);
}

math::Vector2 Surf::offset() const {
  if (totalTime <= 0.0f || elapsed > 0.7f * totalTime)
    return travel;
  double x = 0.2 + 0.8 * double(elapsed) / (0.7 * double(totalTime));
  float eased = float((1.0 - std::cos(x * M_PI)) / 2.0);
  return travel * eased;
}

Water::~Water() {
  clearRenderPasses();
  clearDecals();
  clearSurfs();
}

video::RenderPass &Water::addRenderPass(video::RenderPass *pass) {
  m_renderPasses.push(pass);
  return *pass;
}

Decal &Water::addDecal(Decal *decal) {
  m_decals.push(decal);
  return *decal;
}

Surf &Water::addSurf(Surf *surf) {
  m_surfs.push(surf);
  return *surf;
}

void Water::clearRenderPasses() { deleteAll(m_renderPasses); }
void Water::clearDecals() { deleteAll(m_decals); }
void Water::clearSurfs() { deleteAll(m_surfs); }

void Water::update(float dt) {
  for (Decal *decal : m_decals)
    decal->renderPass.advanceTime(dt);
  for (Surf *surf : m_surfs)
    surf->advance(dt);
  for (video::RenderPass *pass : m_renderPasses)
    pass->advanceTime(dt);
}

void Water::render(video::Canvas &canvas) { canvas.drawWater(*this); }

void Water::drawShoreEdge(uint32_t index, video::Canvas &canvas) {
  Surf &surf = *m_surfs[index];
  if (!surf.start())
    return;
  canvas.drawWaterEdge(surf.renderPass, *surf.start(), surf.position, surf.rotation,
                       math::Color(1.0f, 1.0f, 1.0f, surf.alpha()), surf.offset());
}

} // namespace water
