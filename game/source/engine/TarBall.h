#pragma once
// A blob of tar: a short chain of atoms that creeps towards the ball, the
// longer the faster. It sticks to a playing ball, which dies when it stays
// tarred for 3 s unless it shakes the tar off. While the ball holds a power
// the tar turns and flees; a powered ball that catches it destroys it for
// points. It drips tar dots into the level's one list as it goes.

#include "engine/Atomic.h"
#include "engine/GameObject.h"
#include "engine/TumblixStructureOwner.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class TarBall : public Atomic, public GameObject, public TumblixStructureOwner {
public:
  enum State : uint32_t { CHASING = 0, FLEEING = 1, STUCK = 2, INACTIVE = 3, UNSET = 4 };
  static constexpr float stickLength = 1.5f;
  static constexpr float atomDamping = 0.000178f;
  // Seconds a tarred ball lives.
  static constexpr float deadlyTime = 3.0f;
  // Units a second the stuck atoms close in on the ball.
  static constexpr float clingSpeed = 3.0f;
  // Cell and atom count.
  static constexpr uint32_t levelRecordBytes = 8 + 1;
  // Floor area, state, state time, cell, atom count; the atoms follow.
  static constexpr uint32_t recordBytes = 2 + 1 + 4 + 8 + 1;

  // One atom, chasing; its structure is in the level's physics.
  explicit TarBall(Level &level);
  ~TarBall() override;

  // States, movement, the ball's tarring, capture and death, dripping.
  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return atomPosition(); }
  // The ball has died: the tar rests.
  void deactivate() override { setState(INACTIVE); }
  // Every atom back on the start cell, chasing.
  void reset() override;

  // Nothing when s is the current state; else the state time restarts.
  void setState(uint32_t s);
  // The ball shook it off: an effect, and the tar is gone.
  void shakeOff();
  // n atoms, each damped, chained by sticks of 1.5 between neighbours.
  void setAtomCount(uint32_t n);
  // Some atom within its radius plus the ball's of the ball, in x and y.
  bool touchesBall() const;
  // Where the pupil looks: towards the ball, or away while fleeing.
  math::Vector3 eyePosition() const;

  // The level file's entry: the cell and the atom count; the tar is placed
  // on the cell in the floor area that holds it. False, changing nothing,
  // when it is cut short or has no atoms.
  bool readLevelRecord(file::ByteProducer &in);
  void writeLevelRecord(file::ByteReceiver &out) const;
  // The snapshot's record: floor area, state, time, cell and every atom's
  // place. False, changing nothing, when it is cut short, has no atoms or
  // a state no tar has.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // A tar made in memory (the level writer's): its cell and atom count.
  void place(const math::Vector2i &cell, uint32_t atoms);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  const math::Vector2i &cell() const { return m_cell; }
  float heading() const { return m_heading; }
  float dotTime() const { return m_dotTime; }
  uint32_t atomCount() const { return m_structure.getAtomCount(); }

private:
  // Moves the first atom by the vector; the heading follows it.
  void lead(const math::Vector3 &step);
  void caught();
  void drip(float dt);

  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  math::Vector2i m_cell;
  float m_heading = 0.0f;
  float m_dotTime = 0.0f;
};
