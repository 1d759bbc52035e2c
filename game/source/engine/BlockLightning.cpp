#include "engine/BlockLightning.h"

#include "container/Vector.h"
#include "engine/Block.h"
#include "engine/BlockColors.h"
#include "engine/Level.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "math/Random.h"
#include "quip/Range.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"

namespace {

// Every bolt draws through the one list, refilled for each.
container::Vector<math::Vector3> &sharedPoints() {
  static container::Vector<math::Vector3> points;
  return points;
}

} // namespace

BlockLightning::BlockLightning(Level &level) : GameObject(&level) {
  m_pass.blend = video::BLEND_ADDITIVE;
  m_pass.alignment = video::RIBBON_XY;
  m_pass.cull = false;
  m_pass.tScale = 10.0f;
}

Symbol BlockLightning::textureName(unsigned color) {
  static const Symbol names[COLOR_COUNT + 1] = {
      SYM(L"lightningLineBlue"),   SYM(L"lightningLineGreen"), SYM(L"lightningLineMagenta"),
      SYM(L"lightningLineOrange"), SYM(L"lightningLineRed"),   SYM(L"lightningLineTeal"),
      SYM(L"lightningLine")};
  return names[color < COLOR_COUNT ? color : COLOR_COUNT];
}

void BlockLightning::setup(const math::Vector2i &source, const math::Vector2i &target,
                           unsigned color, unsigned group, unsigned depth) {
  m_source = source;
  m_target = target;
  m_color = color;
  m_group = group;
  m_depth = depth;
  position = Level::cellCentre(source);
  if (m_owner->blockGrid().occupied(target.x, target.y)) {
    Block *block = m_owner->blockGrid().blockAt(target.x, target.y);
    block->setGroup(group);
    block->electrify();
  }
  makePolyline();
  const Database *database = Database::current();
  if (TextureManager *textures = database ? TextureManager::of(*database) : nullptr)
    m_pass.texture = textures->getTexture(textureName(color));
}

void BlockLightning::makePolyline() {
  const math::Vector3 a = Level::cellCentre(m_source);
  const math::Vector3 step = (Level::cellCentre(m_target) - a) * (1.0f / float(pointCount - 1));
  for (uint32_t i = 0; i < pointCount; ++i) {
    m_points[i] = a + step * float(i);
    if (i > 0 && i + 1 < pointCount) {
      m_points[i].x += Random::globalFloat(-1.0f, 1.0f);
      m_points[i].y += Random::globalFloat(-1.0f, 1.0f);
    }
  }
}

Block *BlockLightning::targetBlock() const {
  const BlockGrid &grid = m_owner->blockGrid();
  if (!grid.occupied(m_target.x, m_target.y))
    return nullptr;
  Block *block = grid.blockAt(m_target.x, m_target.y);
  return block->isDead() ? nullptr : block;
}

void BlockLightning::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  m_flickerTime -= dt;
  if (m_flickerTime <= 0.0f) {
    makePolyline();
    m_flickerTime = quip::Range(0.0f, 0.1f).random();
  }
  if (m_owner->state() == Level::PLAYING && !m_struck && m_age > strikeTime) {
    if (Block *block = targetBlock()) {
      if (m_depth < lastDepth)
        m_owner->lightningFrom(*block, m_depth + 1);
      block->smashQuietly();
    }
    m_struck = true;
  }
  if (m_struck && m_age >= lifetime)
    m_dead = true;
}

float BlockLightning::alpha() const {
  if (m_age <= strikeTime)
    return 1.0f;
  if (m_age >= lifetime)
    return 0.0f;
  return 1.0f - 2.0f * (m_age - strikeTime);
}

void BlockLightning::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  container::Vector<math::Vector3> &points = sharedPoints();
  points.clear();
  for (const math::Vector3 &p : m_points)
    points.push(p);
  m_pass.color = math::Color(1.0f, 1.0f, 1.0f, alpha());
  // From the source to the target the bolt narrows.
  m_pass.lineWidthStart = 5.0f;
  m_pass.lineWidthEnd = 2.0f;
  canvas.drawPolylineRibbon(points, m_pass);
}

void BlockLightning::write(file::ByteReceiver &out) const {
  file::write(position.x, out);
  file::write(position.y, out);
  file::write(m_age, out);
  file::write(uint8_t(m_struck ? 1 : 0), out);
  file::write(m_source.x, out);
  file::write(m_source.y, out);
  file::write(m_target.x, out);
  file::write(m_target.y, out);
  file::write(uint8_t(m_color), out);
  file::write(uint16_t(m_group), out);
  file::write(uint8_t(m_depth), out);
  file::write(uint8_t(m_dead ? 1 : 0), out);
}

bool BlockLightning::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < recordBytes)
    return false;
  float x, y, age;
  uint8_t struck, colour, depth, dead;
  int32_t source[2], target[2];
  uint16_t group;
  file::read(x, in);
  file::read(y, in);
  file::read(age, in);
  file::read(struck, in);
  for (int32_t &v : source)
    file::read(v, in);
  for (int32_t &v : target)
    file::read(v, in);
  file::read(colour, in);
  file::read(group, in);
  file::read(depth, in);
  file::read(dead, in);
  if (in.overrun())
    return false;
  position = math::Vector3(x, y, 0.0f);
  m_age = age;
  m_struck = struck != 0;
  m_source = math::Vector2i(source[0], source[1]);
  m_target = math::Vector2i(target[0], target[1]);
  m_color = colour;
  m_group = group;
  m_depth = depth;
  m_dead = dead != 0;
  if (!m_dead && m_owner->blockGrid().occupied(m_target.x, m_target.y)) {
    setup(m_source, m_target, m_color, m_group, m_depth);
    // The saved position stands.
    position = math::Vector3(x, y, 0.0f);
  }
  return true;
}
