#include "engine/Block.h"

#include "engine/Ball.h"
#include "engine/BlockGeometry.h"
#include "engine/BonusGeometry.h"
#include "engine/CylinderGeometry.h"
#include "engine/Explosion.h"
#include "engine/GameCategories.h"
#include "engine/GameSound.h"
#include "engine/Level.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "video/VertexRenderer.h"

namespace {

// A round block's post: 90 % of half a cell.
constexpr float roundRadius = Block::cellSize * 0.5f * 0.9f;

physics::WorldGeometry *geometryOf(unsigned kind) {
  physics::WorldGeometry *geometry;
  if (kind == Block::BONUS)
    geometry = new BonusGeometry;
  else if (kind == Block::ROUND)
    geometry = new CylinderGeometry(roundRadius);
  else
    geometry = new BlockGeometry;
  geometry->category =
      kind == Block::UNBREAKABLE || kind == Block::ROUND ? CATEGORY_SOLID : CATEGORY_BREAKABLE;
  return geometry;
}

// The block meshes' names, by kind.
Symbol kindName(unsigned kind) {
  static const Symbol names[] = {SYM(L"blockNormal"), SYM(L"blockBonus"), SYM(L"blockUnbreakable"),
                                 SYM(L"blockRound"), SYM(L"blockStone")};
  return kind < sizeof(names) / sizeof(names[0]) ? names[kind] : Symbol();
}

} // namespace

Block::Block(Level &level, unsigned kind, unsigned color)
    : GameObject(&level), m_kind(kind), m_color(color), m_geometry(geometryOf(kind)) {
  m_geometry->addContactListener(this);
  m_meshDefinition = new mesh::MeshDefinition(kindName(kind), mesh::MESH_PLAIN, true, true);
  auto *part = new mesh::MeshPart(0);
  auto *strip = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_STRIP);
  strip->resize(4);
  for (uint32_t i = 0; i < 4; ++i)
    (*strip)[i] = (unsigned short)i;
  part->addIndexList(strip);
  m_meshDefinition->addPart(part);
  m_meshDefinition->allocate(4);
  m_mesh = new mesh::Mesh(m_meshDefinition);
  m_mesh->cull = false;
  m_mesh->depthTest = false;
  m_mesh->depthWrite = false;
  level.addBlock(m_geometry, this);
}

Block::~Block() {
  m_owner->removeBlock(m_geometry);
  delete m_geometry;
  delete m_mesh;
  delete m_meshDefinition;
}

math::Vector3 Block::getPosition() const { return m_geometry->transform.translation; }

math::Vector3 Block::centre() const {
  math::Vector3 c = getPosition();
  if (m_kind == BONUS) {
    c.x += 0.5f * cellSize;
    c.y += 0.5f * cellSize;
  }
  c.x += m_shakeOffset.x;
  c.y += m_shakeOffset.y;
  return c;
}

void Block::setPosition(const math::Vector3 &position) {
  m_geometry->transform.translation = position;
  m_meshDirty = true;
}

void Block::onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                      int atomIndex) {
  (void)geometry;
  (void)atomIndex;
  const Ball *ball = m_owner->ballFromStructure(structure);
  if (!ball)
    return;
  m_pendingHit.pending = true;
  m_pendingHit.power = ball->power();
  m_pendingHit.position = ball->atomPosition();
  m_pendingHit.atom = 0;
  m_touched = true;
  m_touchAge = 0.0f;
}

void Block::update(float dt) {
  if (m_dead)
    return;
  if (m_touched)
    m_touchAge += dt;
  if (m_frozen && !m_freezeSpread) {
    m_freezeDelay -= dt;
    if (m_freezeDelay <= 0.0f) {
      m_owner->spreadFreeze(*this);
      m_owner->freezeSpreadDone(m_group);
      m_freezeSpread = true;
    }
  }
  if (isNormalOrStone() && m_neutronMarked && m_group == 0) {
    neutronBreak();
    return;
  }
  if (m_pendingHit.pending) {
    if (m_pendingHit.power == Ball::NO_POWER)
      plainHit();
    else
      powerHit(m_pendingHit.power);
  }
  m_pendingHit = PendingHit();
  if (m_charge < noCharge)
    m_chargeAge += dt;
  updateShake(dt);
}

void Block::plainHit() {
  // Unbreakable and round blocks only take the bounce; a block of a group
  // is never hit again.
  if (m_group != 0 || !breaks())
    return;
  m_owner->registerHit(*this);
  smash(true);
  m_owner->blast(centre(), 12.0f, 15.0f);
}

void Block::powerHit(unsigned power) {
  if (m_group != 0 || !breaks())
    return;
  m_group = m_owner->takeGroupId();
  m_owner->registerHit(*this);
  if (power == Ball::ICE) {
    // It breaks when its frozen group shatters.
    freeze(true);
    m_owner->spreadFreeze(*this);
    queueGameSound(SYM(L"freeze"));
    return;
  }
  if (power == Ball::LIGHTNING) {
    m_owner->lightningFrom(*this);
    m_electrified = true;
    smash(true);
    return;
  }
  if (power == Ball::BOMB) {
    auto *explosion = new Explosion(*m_owner);
    explosion->position = m_pendingHit.position;
    explosion->setGroup(m_group);
    if (m_owner->hasBonusCharge())
      explosion->setColor(m_owner->bonusColor());
    m_owner->addExplosion(explosion);
    queueGameSound(SYM(L"explosion"));
    throwBlastChunk(m_pendingHit.position);
    smash(true);
    m_owner->blast(m_pendingHit.position, 18.0f, 60.0f);
    return;
  }
  if (power == Ball::NUCLEAR) {
    neutronBurst(m_group);
    smash(true);
    spawnAtCentre(SYM(L"neutronPop"), 0.2f, math::Color::white, Level::blockEffects());
    m_owner->blast(centre(), 12.0f, 15.0f);
    return;
  }
  smash(true);
  spawnAtCentre(SYM(L"sawChunks"), 1.0f / 12.0f, colorValue(m_color), Level::blockEffects());
}

void Block::spawnAtCentre(Symbol effect, float scale, const math::Color &colour, Symbol list) {
  m_owner->spawnEffect(effect, centre(), scale, colour, list);
}
