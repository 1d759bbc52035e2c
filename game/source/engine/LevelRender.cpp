// The level's seven drawing passes. The order between kinds is fixed here;
// each kind lays out its own drawing.

#include "engine/Level.h"

#include "math/Rectangle.h"
#include "particle/Effect3DList.h"
#include "video/Canvas.h"

#include <cmath>

namespace {

void renderEffects(Effect3DRegistry &effects, Symbol name, video::Canvas &canvas) {
  // Looked up each time: reading a saved game makes the lists anew.
  if (Effect3DList *list = effects.list(name))
    list->render(canvas);
}

} // namespace

void Level::renderBackground(video::Canvas &canvas) {
  // Nothing to tile until the loader has found the texture.
  if (!m_backgroundTexture)
    return;
  math::Rectangle visible;
  visible.set(m_visibleMin.x, m_visibleMin.y, m_visibleMax.x - m_visibleMin.x,
              m_visibleMax.y - m_visibleMin.y);
  m_background.setRectangle(visible);
  for (int corner = 0; corner < 4; ++corner) {
    const math::Vector3 &p = m_background.position(corner);
    m_background.texCoord(corner) =
        math::Vector2(m_backgroundScale * p.x, -(m_backgroundScale * p.y));
  }
  video::RenderPass &pass = m_background.renderPass();
  pass.texture = m_backgroundTexture;
  pass.lit = false;
  pass.cull = false;
  m_background.render(canvas);
}

// Floor meshes, gates, then every floor area's walls.
void Level::renderFloors(video::Canvas &canvas) { (void)canvas; }

// Lava in its layers, the splatter, then the "ground" effects.
void Level::renderGround(video::Canvas &canvas) {
  renderEffects(m_effects, groundEffects(), canvas);
}

// Doors, block batches and overlays, ice, switches, tar splats, then the
// "block" effects.
void Level::renderBlocks(video::Canvas &canvas) {
  renderEffects(m_effects, blockEffects(), canvas);
}

// The moving and floating things, the ball among them, then the "object"
// effects and the tubes' last layer.
void Level::renderObjects(video::Canvas &canvas) {
  renderCoins(canvas);
  renderNeutrons(canvas);
  for (Explosion *explosion : m_explosions)
    explosion->render(canvas);
  for (BlockLightning *bolt : m_blockLightnings)
    bolt->render(canvas);
  renderScoreDrops(canvas);
  for (GroupScoreDrop *drop : m_groupScoreDrops)
    drop->render(canvas);
  renderEffects(m_effects, objectEffects(), canvas);
}

void Level::renderScoreDrops(video::Canvas &canvas) {
  const float left = std::fmin(m_visibleMin.x, m_visibleMax.x);
  const float right = std::fmax(m_visibleMin.x, m_visibleMax.x);
  const float bottom = std::fmin(m_visibleMin.y, m_visibleMax.y);
  const float top = std::fmax(m_visibleMin.y, m_visibleMax.y);
  for (const ScoreDrop *drop : m_scoreDrops) {
    const math::Box3D box = drop->bounds();
    const math::Vector3 low = box.minimum(), high = box.maximum();
    if (high.x < left || low.x > right || high.y < bottom || low.y > top)
      continue;
    const math::Vector3 &at = drop->position;
    m_scoreBatches[drop->image()]->add(math::Vector2(at.x, at.y), drop->color());
  }
  for (SpriteBatch *batch : m_scoreBatches)
    batch->draw(canvas, m_spriteSize);
}

// The gates' barriers stand upright: this pass stores 3-D positions.
void Level::renderGates(video::Canvas &canvas) {
  canvas.pushVertexDimensionOverride(false);
  canvas.popVertexDimensionOverride();
}

// The colour star display, then the coin meter.
void Level::renderOverlay(video::Canvas &canvas) {
  m_starDisplay.render(canvas);
  m_coinMeter.render(canvas);
}
