#pragma once
// A worm rises out of its hole again and again: a head on a neck of body
// segments, stretching out along a fixed direction and pulling back in an
// 8 s cycle. The head kills the ball; the shelled segments only tap, but one
// segment, chosen at random on reset, is breakable: hitting it kills the
// worm, which bursts segment by segment and is worth 1000 points.

#include "container/Vector.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameObject.h"
#include "math/Vector3.h"
#include "physics/Listener.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Worm : public GameObject, public physics::ContactListener {
public:
  enum State : uint32_t {
    EXTENDING = 0,
    EXTENDED = 1,
    RETRACTING = 2,
    RETRACTED = 3,
    DYING = 4,
    UNSET = 5,
  };
  static constexpr float segmentRadius = 0.7f * 3.0f;
  static constexpr float headRadius = 1.2f * 3.0f;
  static constexpr uint32_t points = 1000;
  // Base, angle, segment count, starts extended.
  static constexpr uint32_t levelRecordBytes = 4 + 4 + 4 + 1 + 1;
  // State, state time, base, angle, segment count and the dying time; the
  // segments come between.
  static constexpr uint32_t recordBytes = 1 + 4 + 4 + 4 + 4 + 1 + 4;

  // One body segment: a post of its own in the level's physics.
  class Segment : public physics::ContactListener {
  public:
    explicit Segment(Worm &worm);
    ~Segment() override;
    Segment(const Segment &) = delete;
    Segment &operator=(const Segment &) = delete;

    // Only a live segment, while the engine plays, touched by the ball: the
    // breakable one kills its worm, the others tap.
    void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                   int atomIndex) override;
    // Gone with its effect; the post no longer stops anything.
    void burst();

    const math::Vector3 &position() const { return geometry.transform.translation; }
    void setPosition(const math::Vector3 &p) { geometry.transform.translation = p; }

    Worm &worm;
    CylinderGeometry geometry{segmentRadius};
    bool breakable = false;
    bool exploded = false;
  };

  // No segments, at the origin, in no state.
  explicit Worm(Level &level);
  ~Worm() override;

  // The cycle, or the bursts while dying; then the posts are placed.
  void update(float dt) override;
  // The head's skeleton; the level batches the segments.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return m_base; }
  // The head: by the hazard rule, unless the worm is dying.
  void onContact(physics::WorldGeometry *geometry, physics::Structure3D *structure,
                 int atomIndex) override;

  // Nothing when s is the current state; else the state time restarts and
  // the head's animation follows the state. Dying starts the bursts.
  void setState(uint32_t s);
  // Extended or retracted as the file says, then one random segment is
  // made breakable; a worm without segments has none.
  void reset() override;
  // Segments and head where the state's extension puts them.
  void place();
  // The breakable segment was hit there.
  void kill(const math::Vector3 &where);

  // Base, angle, segment count and whether it starts extended; the worm is
  // then reset. False, changing nothing, when the record is cut short.
  bool readLevelRecord(file::ByteProducer &in);
  void writeLevelRecord(file::ByteReceiver &out) const;
  // The snapshot's record: state, time, base, angle, each segment's place
  // and flags, the time to the next burst. Burst segments stay out of the
  // physics. False, changing nothing, when the record is cut short or its
  // state is not one a worm has.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // The level's outlines of the head's and the segments' posts.
  void renderGeometry(video::Canvas &canvas) const;

  // Made for a worm put together in memory (the level writer's).
  void setup(const math::Vector3 &base, float angle, uint32_t segments, bool startsExtended);

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  float angle() const { return m_angle; }
  float extension() const { return m_extension; }
  float dyingTime() const { return m_dyingTime; }
  bool startsExtended() const { return m_startsExtended; }
  Symbol animation() const { return m_animation; }
  float animationTime() const { return m_animationTime; }
  const math::Vector3 &deathPosition() const { return m_deathPosition; }
  uint32_t segmentCount() const { return m_segments.size(); }
  Segment &segment(uint32_t i) { return *m_segments[i]; }
  const Segment &segment(uint32_t i) const { return *m_segments[i]; }
  const CylinderGeometry &head() const { return m_head; }
  // The turn of the neck's direction applied to (0, distance, 0).
  math::Vector3 along(float distance) const;

private:
  void makeSegments(uint32_t count);
  void deleteSegments();
  void chooseAnimation();
  void stepExtension();
  void stepDying(float dt);

  container::Vector<Segment *> m_segments;
  CylinderGeometry m_head{headRadius};
  math::Vector3 m_base;
  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  float m_angle = 0.0f;
  Symbol m_animation;
  float m_animationTime = 0.0f;
  bool m_startsExtended = false;
  float m_extension = 0.0f;
  float m_dyingTime = 0.0f;
  math::Vector3 m_deathPosition;
};
