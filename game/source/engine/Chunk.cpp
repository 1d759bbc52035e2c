#include "engine/Chunk.h"

#include "billboard/Billboard3D.h"
#include "engine/Block.h"
#include "engine/GameCategories.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "video/Canvas.h"

namespace {

// A billboard of the prototype at the point, its texture's width spanning
// the given width times the factor.
void drawBoard(video::Canvas &canvas, Symbol prototype, const math::Vector3 &at, float width,
               float factor) {
  Billboard3D board(Database::current(), prototype);
  if (!board.texture())
    return;
  board.settle();
  if (!(board.size.x > 0.0f))
    return;
  const float scale = width / board.size.x * factor;
  board.initialScale = math::Vector2(scale, scale);
  board.position = at;
  board.render(canvas);
}

} // namespace

Chunk::Chunk(Level &level, float radius) : Atomic(1), GameObject(&level) {
  m_structure.senseMask = CATEGORY_FLOOR;
  m_structure.slideMask = CATEGORY_FLOOR;
  m_structure.bounceMask = 0;
  atom().radius = radius;
  level.simulation().addStructure(&m_structure);
}

Chunk::~Chunk() { m_owner->simulation().removeStructure(&m_structure); }

void Chunk::update(float dt) {
  if (m_dead)
    return;
  m_age += dt;
  if (m_age >= lifetime)
    m_dead = true;
}

void Chunk::render(video::Canvas &canvas) {
  if (!m_dead)
    drawChunk(canvas);
}

float Chunk::remaining() const { return m_age >= lifetime ? 0.0f : 1.0f - m_age / lifetime; }

math::Color Chunk::color() const { return math::Color(1.0f, 1.0f, 1.0f, remaining()); }

math::Box3D Chunk::bounds() const {
  return math::Box3D(atomPosition(), math::Vector3(1.5f, 1.5f, 0.0f));
}

ChunkNormal::ChunkNormal(Level &level) : Chunk(level, 1.45f) {}

math::Color ChunkNormal::color() const {
  math::Color c = Chunk::color();
  c *= m_tint;
  return c;
}

void ChunkNormal::drawChunk(video::Canvas &canvas) {
  canvas.pushColor();
  canvas.multiplyColor(color());
  drawBoard(canvas, SYM(L"sparkle"), atomPosition(), 2.0f * atom().radius, 2.0f);
  canvas.popColor();
}

ChunkExplosion::ChunkExplosion(Level &level, unsigned kind, unsigned color)
    : Chunk(level, 0.5f * Block::cellSize), m_kind(kind), m_color(color) {}

void ChunkExplosion::drawChunk(video::Canvas &canvas) {
  const float f = remaining();
  canvas.pushColor();
  canvas.multiplyColor(math::Color(1.0f, 1.0f, 1.0f, f));
  drawBoard(canvas, Block::textureName(m_kind, m_color), atomPosition(), 2.0f * atom().radius, f);
  canvas.popColor();
}
