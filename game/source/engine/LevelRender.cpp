// The level's seven drawing passes. The order between kinds is fixed here;
// each kind lays out its own drawing.

#include "engine/Ball.h"
#include "engine/FloorArea.h"
#include "engine/Level.h"

#include "math/Rectangle.h"
#include "particle/Effect3DList.h"
#include "video/Canvas.h"

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
void Level::renderFloors(video::Canvas &canvas) {
  for (FloorArea *area : m_floorAreas)
    area->renderFloor(canvas);
  for (Gate *gate : m_gates)
    if (isVisible(gate->bounds()))
      gate->render(canvas);
  for (FloorArea *area : m_floorAreas)
    area->renderWalls(canvas);
}

// Lava in its layers, the splatter, then the "ground" effects.
void Level::renderGround(video::Canvas &canvas) {
  renderLava(canvas);
  m_splatter.render(canvas, m_spriteSize);
  renderEffects(m_effects, groundEffects(), canvas);
}

// Doors, block batches and overlays, ice, switches, tar splats, then the
// "block" effects.
void Level::renderBlocks(video::Canvas &canvas) {
  renderDoors(canvas);
  renderBlockField(canvas);
  renderSwitches(canvas);
  m_tarDots.render(canvas, m_spriteSize);
  renderEffects(m_effects, blockEffects(), canvas);
}

// The moving and floating things, the ball among them, then the "object"
// effects and the tubes' last layer.
void Level::renderObjects(video::Canvas &canvas) {
  renderChomps(canvas);
  renderCoins(canvas);
  renderNeutrons(canvas);
  renderTarBalls(canvas);
  for (Explosion *explosion : m_explosions)
    explosion->render(canvas);
  for (BlockLightning *bolt : m_blockLightnings)
    bolt->render(canvas);
  renderScoreDrops(canvas);
  for (GroupScoreDrop *drop : m_groupScoreDrops)
    drop->render(canvas);
  renderTubes(canvas, Tube::RIBBON);
  renderTubes(canvas, Tube::ENTRANCE);
  renderTubes(canvas, Tube::EXIT);
  m_ball->render(canvas);
  for (Secret *secret : m_secrets)
    if (isVisible(secret->bounds()))
      secret->render(canvas);
  renderFires(canvas);
  renderMoneyBugs(canvas);
  renderWorms(canvas);
  renderChunks(canvas);
  renderEffects(m_effects, objectEffects(), canvas);
  renderTubes(canvas, Tube::ABOVE);
}

void Level::renderTubes(video::Canvas &canvas, uint32_t layer) {
  if (m_tubes.isEmpty())
    return;
  // The ribbon's texture runs along the tube with the play time.
  if (layer == Tube::RIBBON) {
    canvas.setMatrixMode(video::Canvas::TEXTURE);
    canvas.pushMatrix();
    canvas.translate(0.0f, -m_playTime);
    canvas.setMatrixMode(video::Canvas::MODEL);
  }
  for (Tube *tube : m_tubes)
    if (isVisible(tube->viewBox()))
      tube->renderLayer(canvas, layer);
  if (layer == Tube::RIBBON) {
    canvas.setMatrixMode(video::Canvas::TEXTURE);
    canvas.popMatrix();
    canvas.setMatrixMode(video::Canvas::MODEL);
  }
}

void Level::renderScoreDrops(video::Canvas &canvas) {
  for (const ScoreDrop *drop : m_scoreDrops) {
    if (!isVisible(drop->bounds()))
      continue;
    const math::Vector3 &at = drop->position;
    m_scoreBatches[drop->image()]->add(math::Vector2(at.x, at.y), drop->color());
  }
  for (SpriteBatch *batch : m_scoreBatches)
    batch->draw(canvas, m_spriteSize);
}

void Level::renderLava(video::Canvas &canvas) {
  if (m_lavas.isEmpty())
    return;
  for (uint32_t layer = 0; layer < Lava::layerCount; ++layer) {
    // The lower texture drifts with the tilt.
    if (layer == 0) {
      canvas.setMatrixMode(video::Canvas::TEXTURE);
      canvas.pushMatrix();
      canvas.translate(-Lava::drift().x, Lava::drift().y);
      canvas.setMatrixMode(video::Canvas::MODEL);
    }
    for (Lava *lava : m_lavas) {
      const math::Rectangle &r = lava->bounds();
      const math::Vector3 half(0.5f * r.width, 0.5f * r.height, 0.0f);
      if (isVisible(math::Box3D(lava->getPosition(), half)))
        lava->renderLayer(canvas, layer);
    }
    if (layer == 0) {
      canvas.setMatrixMode(video::Canvas::TEXTURE);
      canvas.popMatrix();
      canvas.setMatrixMode(video::Canvas::MODEL);
    }
  }
}

// The gates' barriers stand upright: this pass stores 3-D positions.
void Level::renderGates(video::Canvas &canvas) {
  canvas.pushVertexDimensionOverride(false);
  for (Gate *gate : m_gates)
    if (isVisible(gate->bounds()))
      gate->renderBarrier(canvas);
  canvas.popVertexDimensionOverride();
}

// The colour star display, then the coin meter.
void Level::renderOverlay(video::Canvas &canvas) {
  m_starDisplay.render(canvas);
  m_coinMeter.render(canvas);
}
