#pragma once
// One block of the level's block field: the coloured blocks the player must
// break, the bonus blocks that start a bonus colour, and the unbreakable,
// round and stone blocks in the ball's way. A contact with the ball only
// records the hit; the block acts on it in its next update, by the power the
// ball holds. Frozen, charged and shaking are states of a block, not kinds.

#include "engine/GameObject.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "physics/Listener.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh
namespace physics {
class WorldGeometry;
}

// The last contact of the ball, acted on at the block's next update.
struct PendingHit {
  bool pending = false;
  // The ball's power; 5 is none.
  uint32_t power = 5;
  math::Vector3 position;
  uint32_t atom = 0;
};

class Block : public GameObject, public physics::ContactListener {
public:
  enum Kind : uint32_t {
    NORMAL = 0,
    BONUS = 1,
    UNBREAKABLE = 2,
    ROUND = 3,
    STONE = 4,
    // A layout code the game does not know: a cell that never breaks.
    INERT = 5,
  };
  // Charges are the ball's powers; this one is none.
  static constexpr uint32_t noCharge = 5;
  static constexpr float cellSize = 3.0f;

  Block(Level &level, unsigned kind, unsigned color);
  ~Block() override;

  // Nothing when dead. Acts on the pending hit; ice, charge and shake timers.
  void update(float dt) override;
  // The square of a bonus block (the level batches the others); nothing when
  // dead.
  void render(video::Canvas &canvas) override;
  // The geometry's position: the centre of the block's own cell.
  math::Vector3 getPosition() const override;
  // Only the ball's structure counts: it records the pending hit (a later
  // contact overwrites it) and touches the block.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Where effects and scores go: the middle of the block's area, shaken.
  math::Vector3 centre() const;
  void setPosition(const math::Vector3 &position);

  // The charge icon, the bonus number, the lightning border.
  void renderOverlay(video::Canvas &canvas);
  // A frozen bonus block's ice cube.
  void renderIce(video::Canvas &canvas);
  // The collision geometry's outline (the level's debug view).
  void renderGeometry(video::Canvas &canvas) const;

  void setCharge(unsigned charge);
  void freeze(bool loud);
  void freezeInGroup(unsigned group);
  // A passing neutron of the group marks a normal or stone block without a
  // group; true for those kinds whether marked or not.
  bool markByNeutron(unsigned group);
  void smash(bool loud);
  void smashQuietly() { smash(false); }
  // Reached by an explosion of the group coming from the point.
  void blastFrom(unsigned group, const math::Vector3 &source);
  void shatterIce();
  // A tinted sparkle flying off the block.
  void throwChunk();
  // The block's own picture flung away from the point.
  void throwBlastChunk(const math::Vector3 &from);
  void startShake(const math::Vector2 &velocity, float delay);

  // Frozen, loud shatter, freeze spread, group and charge with their timers.
  void writeState(file::ByteReceiver &out) const;
  // False when the record is cut short.
  bool readState(file::ByteProducer &in);
  // Reads one state record and drops it.
  static bool skipState(file::ByteProducer &in);

  // The block's square texture (and billboard prototype); empty for a kind
  // or colour without one.
  static Symbol textureName(unsigned kind, unsigned color);
  // The block textures and the charge icons, made resident.
  static void preloadTextures();
  static Symbol chargeIcon(unsigned charge);

  unsigned kind() const { return m_kind; }
  unsigned color() const { return m_color; }
  bool isNormalOrBonus() const { return m_kind == NORMAL || m_kind == BONUS; }
  bool isNormalOrStone() const { return m_kind == NORMAL || m_kind == STONE; }
  bool breaks() const { return m_kind == NORMAL || m_kind == BONUS || m_kind == STONE; }
  const PendingHit &pendingHit() const { return m_pendingHit; }
  bool neutronMarked() const { return m_neutronMarked; }
  unsigned neutronGroup() const { return m_neutronGroup; }
  bool frozen() const { return m_frozen; }
  bool loudShatter() const { return m_loudShatter; }
  float freezeDelay() const { return m_freezeDelay; }
  bool freezeSpread() const { return m_freezeSpread; }
  bool electrified() const { return m_electrified; }
  // A lightning bolt has marked the block; its border shows.
  void electrify() { m_electrified = true; }
  physics::WorldGeometry &geometry() const { return *m_geometry; }
  const math::Vector2i &cell() const { return m_cell; }
  void setCell(const math::Vector2i &cell) { m_cell = cell; }
  unsigned group() const { return m_group; }
  void setGroup(unsigned group) { m_group = group; }
  const mesh::MeshDefinition &meshDefinition() const { return *m_meshDefinition; }
  bool meshDirty() const { return m_meshDirty; }
  unsigned charge() const { return m_charge; }
  float chargeAge() const { return m_chargeAge; }
  bool touched() const { return m_touched; }
  float touchAge() const { return m_touchAge; }
  bool shaking() const { return m_shaking; }
  const math::Vector2 &shakeOffset() const { return m_shakeOffset; }

private:
  void plainHit();
  void powerHit(unsigned power);
  void neutronBreak();
  // Two neutrons of the group from the centre, in random directions.
  void neutronBurst(unsigned group);
  void updateShake(float dt);
  void rebuildMesh();
  void renderBonusNumber(video::Canvas &canvas);
  void spawnAtCentre(Symbol effect, float scale, const math::Color &colour, Symbol list);

  unsigned m_kind;
  unsigned m_color;
  PendingHit m_pendingHit;
  bool m_neutronMarked = false;
  unsigned m_neutronGroup = 0;
  bool m_frozen = false;
  bool m_loudShatter = false;
  float m_freezeDelay = 0.0f;
  bool m_freezeSpread = false;
  bool m_electrified = false;
  physics::WorldGeometry *m_geometry;
  math::Vector2i m_cell;
  unsigned m_group = 0;
  mesh::MeshDefinition *m_meshDefinition;
  mesh::Mesh *m_mesh;
  bool m_meshDirty = true;
  unsigned m_charge = noCharge;
  float m_chargeAge = 0.0f;
  bool m_touched = false;
  float m_touchAge = 0.0f;
  bool m_shaking = false;
  float m_shakeDelay = 0.0f;
  math::Vector2 m_shakeVelocity;
  float m_shakeProgress = 0.0f;
  math::Vector2 m_shakeOffset;
};
